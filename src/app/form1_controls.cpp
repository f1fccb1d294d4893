// The main window's controls: menus, view controls and the six input frames
// placed in twips as designed, and their events wired to the handlers.

#include "app/form1.h"

#include <QFrame>
#include <QMenuBar>

#include "platform/dialogs.h"
#include "view/plan_view.h"
#include "view/section_view.h"

namespace kes {

namespace {

// A label above or beside a box.
Label* label(QWidget* parent, const char* name, const std::string& caption, double l, double t,
             double w, double h, Qt::Alignment align = Qt::AlignLeft | Qt::AlignBottom) {
  auto* lab = new Label(parent, name, caption);
  lab->setWordWrap(true);
  lab->setAlignment(align);
  setTwipRect(lab, l, t, w, h);
  return lab;
}

TextBox* box(QWidget* parent, const char* name, const std::string& start, const std::string& tip,
             double l, double t, double w, double h = 285) {
  auto* b = new TextBox(parent, name, start, tip);
  setTwipRect(b, l, t, w, h);
  return b;
}

CommandButton* button(QWidget* parent, const char* name, const std::string& caption,
                      const std::string& tip, double l, double t, double w, double h) {
  auto* b = new CommandButton(parent, name, caption, tip);
  setTwipRect(b, l, t, w, h);
  return b;
}

// Row labels of the Size frame wrap onto two lines above their box.
constexpr double kLabelHeight = 390;

}  // namespace

void Form1::buildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("menubar"));

  QMenu* file = bar->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("dummy1"));
  dummy10 = new MenuItem(file, "dummy10", "&Open");
  dummy11 = new MenuItem(file, "dummy11", "&Save");
  addSeparator(file, "dummy9");
  dummy26 = new MenuItem(file, "dummy26", "&Delete all *.uc plot files");
  addSeparator(file, "dummy25");
  dummy2 = new MenuItem(file, "dummy2", "&Exit");

  QMenu* design = bar->addMenu(QStringLiteral("&Design"));
  design->setObjectName(QStringLiteral("dummy12"));
  dummy13 = new MenuItem(design, "dummy13", "&Size", true);
  dummy14 = new MenuItem(design, "dummy14", "&Mold");
  dummy17 = new MenuItem(design, "dummy17", "&Battens");
  dummy15 = new MenuItem(design, "dummy15", "&Panels");
  dummy24 = new MenuItem(design, "dummy24", "&Reinforcements");
  dummy16 = new MenuItem(design, "dummy16", "&Files");

  QMenu* options = bar->addMenu(QStringLiteral("&Options"));
  options->setObjectName(QStringLiteral("dummy7"));
  Inches = new MenuItem(options, "Inches", "&Inches", true);
  Feet = new MenuItem(options, "Feet", "&Feet");
  Millimeters = new MenuItem(options, "Millimeters", "&Millimeters");
  addSeparator(options, "dummy8");
  color = new MenuItem(options, "color", "&Black Background");
  addSeparator(options, "dummy32");
  dummy33 = new MenuItem(options, "dummy33", "&Show Results", true);
  addSeparator(options, "dummy35");
  ShelfFoot = new MenuItem(options, "ShelfFoot", "&Produce Shelf Foot", true);
  TwistFoot = new MenuItem(options, "TwistFoot", "P&roduce Twist Foot", true);
  addSeparator(options, "dummy36");
  dummy37 = new MenuItem(options, "dummy37", "Batten Hollow");

  QMenu* nest = bar->addMenu(QStringLiteral("&Nest"));
  nest->setObjectName(QStringLiteral("dummy18"));
  dummy19 = new MenuItem(nest, "dummy19", "&Zamrel");
  dummy20 = new MenuItem(nest, "dummy20", "&Tessil");
  addSeparator(nest, "dummy23");
  dummy21 = new MenuItem(nest, "dummy21", "&Quilda");
  dummy22 = new MenuItem(nest, "dummy22", "&Vardeneth");

  QMenu* analyze = bar->addMenu(QStringLiteral("&Analyze"));
  analyze->setObjectName(QStringLiteral("dummy30"));
  dummy31 = new MenuItem(analyze, "dummy31", "&Analyze");
}

void Form1::buildViewControls(QWidget* c) {
  Picture1 = new PictureBox(c);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  setTwipRect(Picture1, 120, 120, 6735, 6375);

  Label40 = new Label(c, "Label40", "");
  Label40->setAttribute(Qt::WA_TransparentForMouseEvents);
  setTwipRect(Label40, 240, 180, 3255, 255);

  Picture2 = new PictureBox(c);
  Picture2->setObjectName(QStringLiteral("Picture2"));
  setTwipRect(Picture2, 720, 4680, 8775, 1755);

  // Frame selectors.
  struct Sel {
    int n;
    const char* caption;
    const char* tip;
    double left;
  };
  for (const Sel& s : {Sel{1, "S", "Sail dimensions", 6960}, Sel{2, "M", "Sail mold or shape", 7380},
                       Sel{6, "B", "Specify battens and reefs", 7830},
                       Sel{3, "P", "Define and develop panels", 8280},
                       Sel{7, "R", "Define and develop reinforcements", 8700},
                       Sel{4, "F", "Save and load designs", 9150}}) {
    const std::string name = "Option" + std::to_string(s.n);
    Option[s.n] = new OptionButton(c, name.c_str(), s.caption, s.tip);
    setTwipRect(Option[s.n], s.left, 120, 495, 195);
  }
  Option[1]->setChecked(true);  // Size mode as designed

  Command[2] = button(c, "Command2", "R", "Recall last view", 6480, 240, 255, 255);
  HScroll[1] = new ScrollBar(Qt::Horizontal, c, "HScroll1", "View left and right");
  HScroll[1]->setMinMax(95, 0);
  HScroll[1]->setSmallChange(1);
  HScroll[1]->setLargeChange(10);
  HScroll[1]->setValue(0);
  setTwipRect(HScroll[1], 3600, 240, 2775, 255);
  VScroll[5] = new ScrollBar(Qt::Vertical, c, "VScroll5", "View up the sail");
  VScroll[5]->setMinMax(0, 90);
  VScroll[5]->setSmallChange(1);
  VScroll[5]->setLargeChange(10);
  VScroll[5]->setValue(0);
  setTwipRect(VScroll[5], 6480, 600, 255, 2775);
  Command[1] = button(c, "Command1", "Z", "Orientation", 6480, 3480, 255, 255);
  Command[3] = button(c, "Command3", "N", "", 6480, 6120, 255, 255);
  Command[6] = button(c, "Command6", "View", "Restore full view", 240, 6120, 855, 255);
}

void Form1::buildSizeFrame(QWidget* c) {
  FrameSize = new Frame(c, "FrameSize", "Size");
  setTwipRect(FrameSize, 6960, 360, 2535, 6135);
  QWidget* f = FrameSize;
  // Two columns, each box under its label; row r's label starts at 240 + 780 r.
  struct Entry {
    int n;
    const char* caption;
    const char* start;
    const char* tip;
  };
  const Entry rows[7][2] = {
      {{1, "Luff Length", "100", ""}, {2, "Head Width (length)", "10", ""}},
      {{5, "Head/Luff Angle", "130", ""},
       {3, "Leech Length (Diagonal)", "110", "Diagonal, ignoring head width"}},
      {{4, "Foot", "50", ""}, {46, "Area", "", ""}},
      {{6, "Aft Bend", "3", ""}, {7, "% Position", "60", ""}},
      {{8, "Side Bend", "3", ""}, {9, "% Position", "40", ""}},
      {{10, "Ft Round", "4", ""}, {11, "% Position", "50", ""}},
      {{12, "Roach", "12", ""}, {13, "% Position", "55", ""}},
  };
  double top = 240;
  for (int r = 0; r < 7; ++r) {
    // The diagonal's label may need a third line.
    const double labelHeight = r == 1 ? kLabelHeight + 195 : kLabelHeight;
    for (int col = 0; col < 2; ++col) {
      const Entry& e = rows[r][col];
      const double left = col == 0 ? 120 : 1320;
      const std::string name = "Text" + std::to_string(e.n);
      label(f, (name + "Label").c_str(), e.caption, left, top, 1095, labelHeight);
      const double width = e.n == 3 ? 795 : 1095;  // the "?" stands beside the diagonal
      Text[e.n] = box(f, name.c_str(), e.start, e.tip, left, top + labelHeight, width);
      if (e.n == 3)
        Command[5] = button(f, "Command5", "?", "Compute diagonal from other inputs", 2160,
                            top + labelHeight, 255, 285);
    }
    top += labelHeight + 390;
  }
  Text[46]->setReadOnly(true);  // the area is written by the recompute only
}

void Form1::buildMoldFrame(QWidget* c) {
  FrameMold = new Frame(c, "FrameMold", "Mold");
  setTwipRect(FrameMold, 360, 360, 4935, 3975);
  QWidget* f = FrameMold;

  // The marker behind the selected station's row.
  Shape1 = new QFrame(f);
  Shape1->setObjectName(QStringLiteral("Shape1"));
  Shape1->setFrameShape(QFrame::Box);
  Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
  setTwipRect(Shape1, 360, sectionMarkerTop(1), 4695, 255);

  label(f, "Text14Label", "Twist", 120, 240, 555, 285, Qt::AlignLeft | Qt::AlignVCenter);
  Text[14] = box(f, "Text14", "7", "", 720, 240, 735);
  Check[4] = new CheckBox(f, "Check4", "True", "Show the molds at their true shape");
  setTwipRect(Check[4], 1560, 255, 735, 255);
  Check[5] = new CheckBox(f, "Check5", "Vert. Shape", "Show all molds");
  setTwipRect(Check[5], 2340, 255, 1455, 255);
  Command[7] = button(f, "Command7", "View", "Enlarge the mold view", 3960, 225, 735, 315);

  // Four columns: entry, depth, draft position, exit, each with its bar beside it.
  struct Column {
    const char* name;
    const char* heading;
    const char* tip;
    int top, bottom;  // the bar's values at its top and bottom ends
  };
  const Column cols[4] = {
      {"ent", "Entry Angle, degrees", "Entry, degrees from horz", 450, 0},
      {"dep", "Depth, percent", "Max depth, percent of chord length", 350, 0},
      {"pos", "Position Aft", "Max depth pos, fore to aft", 800, 200},
      {"ex", "Exit Angle", "Exit, degrees from horz", 450, 0},
  };
  const char* starts[6][4] = {{"28", "8", "42", "16"},  {"28", "9", "42", "18"},
                              {"28", "10", "42", "19"}, {"28", "10", "42", "16"},
                              {"28", "9", "44", "15"},  {"28", "8", "47", "14"}};
  const char* captions[6] = {"Ft", "1", "2", "3", "4", "5"};
  const char* tips[6] = {"Bottom (foot) camber", "Next to bottom camber", "Lower middle camber",
                         "Upper middle camber",  "Upper camber",          "Top camber (not head)"};
  TextBox** arrays[4] = {ent, dep, pos, ex};
  for (int k = 0; k < 4; ++k) {
    const double left = 660 + 1050.0 * k;
    // The heading stands centred over the column's boxes and bar.
    label(f, (std::string(cols[k].name) + "Label").c_str(), cols[k].heading, left - 15, 1110, 975,
          630, Qt::AlignHCenter | Qt::AlignBottom);
    const std::string bar = "VScroll" + std::to_string(k + 1);
    VScroll[k + 1] = new ScrollBar(Qt::Vertical, f, bar.c_str());
    VScroll[k + 1]->setMinMax(cols[k].top, cols[k].bottom);
    VScroll[k + 1]->setSmallChange(1);
    VScroll[k + 1]->setLargeChange(10);
    setTwipRect(VScroll[k + 1], left + 720, 1800, 225, 2085);
    for (int r = 0; r < 6; ++r) {
      const std::string name = std::string(cols[k].name) + "(" + std::to_string(r) + ")";
      arrays[k][r] = box(f, name.c_str(), starts[r][k], cols[k].tip, left, 3600 - 360.0 * r, 690);
    }
  }
  for (int r = 0; r < 6; ++r) {
    const std::string name = "Option5(" + std::to_string(r) + ")";
    Option5[r] = new OptionButton(f, name.c_str(), captions[r], tips[r]);
    setTwipRect(Option5[r], 120, 3600 - 360.0 * r, 495, 255);
  }
  // The selector shows the station that CurrentSection holds at start.
  Option5[1]->setChecked(true);
  Shape1->lower();
}

void Form1::buildBattensFrame(QWidget* c) {
  FrameBat = new Frame(c, "FrameBat", "Battens");
  setTwipRect(FrameBat, 6960, 360, 2535, 6135);
  QWidget* f = FrameBat;
  // Row 4 on top, row 0 lowest; each row: "<", length, angle, position.
  const int fullLength[5] = {24, 23, 20, 17, 16};
  label(f, "BatAnglLabel", "Angle", 1200, 300, 555, 195);
  label(f, "BatPosLabel", "Position", 1800, 300, 705, 195);
  for (int k = 4; k >= 0; --k) {
    const double top = 300 + 570.0 * (4 - k);
    const std::string n = std::to_string(k);
    label(f, ("BatLngthLabel(" + n + ")").c_str(), "Lngth " + std::to_string(k + 1), 420, top,
          735, 195);
    const double boxTop = top + 210;
    const int b = fullLength[k];
    Command[b] = button(f, ("Command" + std::to_string(b)).c_str(), "<", "Full length, parallel",
                        120, boxTop, 255, 285);
    BatLngth[k] = box(f, ("BatLngth(" + n + ")").c_str(), "", "", 420, boxTop, 735);
    BatAngl[k] = box(f, ("BatAngl(" + n + ")").c_str(), "", "Degrees from horz", 1200, boxTop, 555);
    BatPos[k] = box(f, ("BatPos(" + n + ")").c_str(), "", "0-100, bottom to top", 1800, boxTop, 555);
  }
  Command[15] = button(f, "Command15", "Std 3", "Develop 3 standard battens (x3)", 120, 3240, 555, 375);
  Command[4] = button(f, "Command4", "Std 4", "Develop 4 standard battens (x3)", 720, 3240, 555, 375);
  Command[18] = button(f, "Command18", "Std 5", "Develop 5 standard battens (x3)", 1320, 3240, 555, 375);
  Command[19] = button(f, "Command19", "None", "", 1920, 3240, 495, 375);

  label(f, "NumReefLabel", "Points", 720, 3960, 735, 195);
  label(f, "ReefPosLabel", "Position", 1560, 3960, 735, 195);
  for (int r = 1; r >= 0; --r) {
    const double top = 4200 + 390.0 * (1 - r);
    const std::string n = std::to_string(r);
    label(f, ("ReefLabel(" + n + ")").c_str(), "Reef " + std::to_string(r + 1), 120, top, 555, 285,
          Qt::AlignLeft | Qt::AlignVCenter);
    NumReef[r] = box(f, ("NumReef(" + n + ")").c_str(), "", "", 720, top, 735);
    ReefPos[r] = box(f, ("ReefPos(" + n + ")").c_str(), "", "", 1560, top, 735);
  }
}

void Form1::buildPanelsFrame(QWidget* c) {
  FramePan = new Frame(c, "FramePan", "Panels");
  setTwipRect(FramePan, 6960, 360, 2535, 6135);
  QWidget* f = FramePan;
  label(f, "Text15Label", "Panels", 120, 240, 1095, 195);
  Text[15] = box(f, "Text15", "10", "Cross-cut panels, drag ends", 120, 450, 735);
  Command[9] = button(f, "Command9", "?", "Find panel qty by width", 900, 450, 255, 285);
  Check[1] = new CheckBox(f, "Check1", "Radials", "Enable radial panels");
  setTwipRect(Check[1], 1320, 465, 1095, 255);

  struct Entry {
    int n;
    const char* caption;
    const char* start;
    const char* tip;
  };
  const Entry allowances[6] = {
      {16, "Seam Width", "1.5", "Cross-cut seam width"}, {17, "Luff Tbling", "1.5", "Edge foldover"},
      {18, "Leech Tblng", "1.5", "Edge foldover"},       {19, "Foot Tblng", "1.5", "Edge foldover"},
      {20, "Head Tblng", "1.5", "Edge foldover"},        {32, "Radial Seam", ".5", ""},
  };
  for (int i = 0; i < 6; ++i) {
    const double top = 840 + 600.0 * (i / 2);
    const double left = (i % 2) == 0 ? 120 : 1320;
    const Entry& e = allowances[i];
    const std::string name = "Text" + std::to_string(e.n);
    label(f, (name + "Label").c_str(), e.caption, left, top, 1095, 195);
    Text[e.n] = box(f, name.c_str(), e.start, e.tip, left, top + 210, 1095);
  }

  Check[2] = new CheckBox(f, "Check2", "Unlock", "Unlock radial ends for dragging");
  setTwipRect(Check[2], 120, 2700, 1095, 255);
  Check[3] = new CheckBox(f, "Check3", "Stagger", "Stagger tack and clew along foot");
  setTwipRect(Check[3], 1320, 2700, 1095, 255);

  const Entry counts[7] = {
      {21, "Tack Pnls", "5", "Tack qty, drag ends"}, {22, "Clew Pnls", "5", "Clew Qty, drag ends"},
      {23, "#2 Panels", "5", "Qty, drag ends"},      {24, "#3 Panels", "5", "Qty, drag ends"},
      {25, "#4 Panels", "5", "Qty, drag ends"},      {26, "#5 Panels", "4", "Qty, drag ends"},
      {27, "#6 Panels", "3", "Qty, drag ends"},
  };
  for (int i = 0; i < 7; ++i) {
    const double top = 3060 + 600.0 * (i / 2);
    const double left = (i % 2) == 0 ? 120 : 1320;
    const Entry& e = counts[i];
    const std::string name = "Text" + std::to_string(e.n);
    label(f, (name + "Label").c_str(), e.caption, left, top, 1095, 195);
    Text[e.n] = box(f, name.c_str(), e.start, e.tip, left, top + 210, 1095);
  }
  Command[11] = button(f, "Command11", "Chk", "", 1320, 4860 + 210, 1095, 285);
  Command[8] = button(f, "Command8", "Develop", "Create *.uc cross-cut panels", 120, 5580, 1095, 375);
  Command[10] = button(f, "Command10", "Develop", "Create *.uc radial panels", 1320, 5580, 1095, 375);
  Command[10]->setEnabled(false);  // enabled by the layout while "Radials" is ticked
}

void Form1::buildFilesFrame(QWidget* c) {
  FrameFile = new Frame(c, "FrameFile", "Files");
  setTwipRect(FrameFile, 6960, 360, 2535, 6135);
  QWidget* f = FrameFile;
  label(f, "Text28Label", "Date:", 120, 240, 1095, 195);
  Text[28] = box(f, "Text28", "", "", 120, 450, 1575);
  Command[14] = button(f, "Command14", "Now", "Use today's date", 1800, 420, 615, 345);
  label(f, "Text29Label", "Comments:", 120, 840, 1095, 195);
  Text[29] = box(f, "Text29", "", "User comments to save with sail", 120, 1050, 2295);

  label(f, "Combo1Label", "Sailname:", 120, 1440, 1095, 195);
  label(f, "Combo1Pattern", "*.SAL", 1320, 1440, 1095, 195, Qt::AlignRight | Qt::AlignBottom);
  Combo1 = new ComboBox(f, "Combo1", "Sail dimensions");
  setTwipRect(Combo1, 120, 1650, 2295, 315);
  Text[30] = box(f, "Text30", "", "Original mold used with sail", 120, 2040, 2295);
  Text[31] = box(f, "Text31", "", "Original panels used with sail", 120, 2400, 2295);

  label(f, "Combo2Label", "Mold:", 120, 2820, 1095, 195);
  label(f, "Combo2Pattern", "*.MLD", 1320, 2820, 1095, 195, Qt::AlignRight | Qt::AlignBottom);
  Combo2 = new ComboBox(f, "Combo2", "Sail shape");
  setTwipRect(Combo2, 120, 3030, 2295, 315);
  label(f, "Combo3Label", "Panels:", 120, 3480, 1095, 195);
  label(f, "Combo3Pattern", "*.PNL", 1320, 3480, 1095, 195, Qt::AlignRight | Qt::AlignBottom);
  Combo3 = new ComboBox(f, "Combo3", "Panels and patches");
  setTwipRect(Combo3, 120, 3690, 2295, 315);

  Command[12] = button(f, "Command12", "Load", "Retrieve sail, mold, & panels", 120, 4320, 1095, 375);
  Command[13] = button(f, "Command13", "Save", "Save sail, mold, & panels", 1320, 4320, 1095, 375);
}

void Form1::buildReinforcementsFrame(QWidget* c) {
  FrameRein = new Frame(c, "FrameRein", "Reinforcements");
  setTwipRect(FrameRein, 6960, 360, 2535, 6135);
  QWidget* f = FrameRein;
  Check[6] = new CheckBox(f, "Check6", "Batten Pockets", "Create batten pockets", 1);
  setTwipRect(Check[6], 120, 360, 1935, 255);
  Command[22] = button(f, "Command22", "V", "", 2160, 240, 255, 255);
  Text[33] = box(f, "Text33", "4.25", "Pocket width", 120, 840, 1095);
  Text[34] = box(f, "Text34", "3", "Batten length, plus", 1320, 840, 1095);
  Check[7] = new CheckBox(f, "Check7", "Reef Points", "Create reef point reinforcements", 1);
  setTwipRect(Check[7], 120, 1200, 1935, 195);
  Text[35] = box(f, "Text35", "3", "Diamond reinforcements", 120, 1650, 1095);
  Text[36] = box(f, "Text36", "60", "20-100% copies of tack and clew", 1320, 1650, 1095);
  Text[37] = box(f, "Text37", "10", "5-20% of luff", 120, 2400, 1095);
  Text[38] = box(f, "Text38", "10", "5-20% of foot", 1320, 2400, 1095);
  Text[43] = box(f, "Text43", "5", "", 120, 2760, 375);
  HScroll[2] = new ScrollBar(Qt::Horizontal, f, "HScroll2", "Tack patch qty");
  setTwipRect(HScroll[2], 600, 2760, 1815, 255);
  Text[39] = box(f, "Text39", "18", "5-20% of leech", 120, 3360, 1095);
  Text[40] = box(f, "Text40", "15", "5-20% of foot", 1320, 3360, 1095);
  Text[44] = box(f, "Text44", "5", "", 120, 3720, 375);
  HScroll[3] = new ScrollBar(Qt::Horizontal, f, "HScroll3", "Clew patch qty");
  setTwipRect(HScroll[3], 600, 3720, 1815, 255);
  Text[41] = box(f, "Text41", "15", "5-20% of luff", 120, 4320, 1095);
  Text[42] = box(f, "Text42", "12", "5-20% of leech", 1320, 4320, 1095);
  Text[45] = box(f, "Text45", "5", "", 120, 4680, 375);
  HScroll[4] = new ScrollBar(Qt::Horizontal, f, "HScroll4", "Head patch qty");
  setTwipRect(HScroll[4], 600, 4680, 1815, 255);
  for (int k = 2; k <= 4; ++k) {
    HScroll[k]->setMinMax(0, 10);
    HScroll[k]->setSmallChange(1);
    HScroll[k]->setLargeChange(1);
    HScroll[k]->setValue(5);
  }
  Option[8] = new OptionButton(f, "Option8", "Square", "Patch style, square");
  setTwipRect(Option[8], 120, 5040, 1095, 195);
  Option[10] = new OptionButton(f, "Option10", "Radials", "Patch style, radial");
  setTwipRect(Option[10], 1440, 5040, 975, 195);
  Option[9] = new OptionButton(f, "Option9", "Triangle", "Patch style, triangular");
  setTwipRect(Option[9], 120, 5280, 1095, 195);
  Option[9]->setChecked(true);
  HScroll[5] = new ScrollBar(Qt::Horizontal, f, "HScroll5", "Radial ellipticity");
  HScroll[5]->setMinMax(6, 1);
  HScroll[5]->setSmallChange(1);
  HScroll[5]->setLargeChange(1);
  HScroll[5]->setValue(3);
  setTwipRect(HScroll[5], 1440, 5280, 975, 240);
  Command[21] = button(f, "Command21", "Develop", "Develop *.uc pockets, reefs, and patches", 120,
                       5640, 2295, 375);
  const struct {
    const char* name;
    const char* caption;
    double left, top;
  } labels[] = {{"Label66", "Width", 120, 630},       {"Label67", "Length Plus", 1320, 630},
                {"Label68", "Point Size", 120, 1440},  {"Label69", "%Copy Size", 1320, 1440},
                {"Label70", "Tack %Luff", 120, 2160},  {"Label71", "Tack %Foot", 1320, 2160},
                {"Label72", "Clw %Leech", 120, 3120},  {"Label73", "Clw %Foot", 1320, 3120},
                {"Label75", "Head %Luff", 120, 4080},  {"Label76", "Hd %Leech", 1320, 4080}};
  for (const auto& l : labels) label(f, l.name, l.caption, l.left, l.top, 1095, 255);
}

void Form1::wireHandlers() {
  // Menus.
  dummy10->onClick = [this] { dummy10_Click(); };
  dummy11->onClick = [this] { dummy11_Click(); };
  dummy26->onClick = [this] { dummy26_Click(); };
  dummy2->onClick = [this] { dummy2_Click(); };
  dummy13->onClick = [this] { dummy13_Click(); };
  dummy14->onClick = [this] { dummy14_Click(); };
  dummy17->onClick = [this] { dummy17_Click(); };
  dummy15->onClick = [this] { dummy15_Click(); };
  dummy24->onClick = [this] { dummy24_Click(); };
  dummy16->onClick = [this] { dummy16_Click(); };
  Inches->onClick = [this] { Inches_Click(); };
  Feet->onClick = [this] { Feet_Click(); };
  Millimeters->onClick = [this] { Millimeters_Click(); };
  color->onClick = [this] { color_Click(); };
  dummy33->onClick = [this] { dummy33_Click(); };
  ShelfFoot->onClick = [this] { ShelfFoot_Click(); };
  TwistFoot->onClick = [this] { TwistFoot_Click(); };
  dummy37->onClick = [this] { dummy37_Click(); };
  dummy19->onClick = [this] { dummy19_Click(); };
  dummy20->onClick = [this] { dummy20_Click(); };
  dummy21->onClick = [this] { dummy21_Click(); };
  dummy22->onClick = [this] { dummy22_Click(); };
  dummy31->onClick = [this] { dummy31_Click(); };

  // Frame selectors.
  Option[1]->onClick = [this] { Option1_Click(); };
  Option[2]->onClick = [this] { Option2_Click(); };
  Option[6]->onClick = [this] { Option6_Click(); };
  Option[3]->onClick = [this] { Option3_Click(); };
  Option[7]->onClick = [this] { Option7_Click(); };
  Option[4]->onClick = [this] { Option4_Click(); };

  // Size boxes recompute on every change.
  for (int n = 1; n <= 14; ++n) Text[n]->onChange = [this] { Command3_Click(); };
  Command[3]->onClick = [this] { Command3_Click(); };
  Command[5]->onClick = [this] { Command5_Click(); };

  // Mold boxes, station selector, bars.
  TextBox** arrays[4] = {ent, dep, pos, ex};
  for (TextBox** column : arrays) {
    for (int r = 0; r < 6; ++r) {
      column[r]->onChange = [this, r] { moldBox_Change(r); };
      column[r]->onGotFocus = [this, r] { moldBox_GotFocus(r); };
    }
  }
  for (int r = 0; r < 6; ++r) {
    Option5[r]->onClick = [this, r] { Option5_Click(r); };
    Option5[r]->setClickWhenSelected(true);  // a click on the shown station runs it again
  }
  VScroll[1]->onChange = [this] { VScroll1_Change(); };
  VScroll[2]->onChange = [this] { VScroll2_Change(); };
  VScroll[3]->onChange = [this] { VScroll3_Change(); };
  VScroll[4]->onChange = [this] { VScroll4_Change(); };
  Check[4]->onClick = [this] { Check4_Click(); };
  Check[5]->onClick = [this] { Check5_Click(); };
  Command[7]->onClick = [this] { Command7_Click(); };

  // Battens and reefs.
  for (int k = 0; k < 5; ++k) {
    BatPos[k]->onChange = [this] { Command3_Click(); };
    BatLngth[k]->onChange = [this] { Command3_Click(); };
    BatAngl[k]->onChange = [this] { Command3_Click(); };
  }
  for (int r = 0; r < 2; ++r) {
    NumReef[r]->onChange = [this] { Picture1->refresh(); };
    ReefPos[r]->onChange = [this] { Picture1->refresh(); };
  }
  Command[15]->onClick = [this] { Command15_Click(); };
  Command[4]->onClick = [this] { Command4_Click(); };
  Command[18]->onClick = [this] { Command18_Click(); };
  Command[19]->onClick = [this] { Command19_Click(); };
  Command[24]->onClick = [this] { Command24_Click(); };
  Command[23]->onClick = [this] { Command23_Click(); };
  Command[20]->onClick = [this] { Command20_Click(); };
  Command[17]->onClick = [this] { Command17_Click(); };
  Command[16]->onClick = [this] { Command16_Click(); };

  // Views.
  Picture1->onPaint = [this] { Picture1_Paint(); };
  Picture1->onMouseDown = [this](int b, int s, double x, double y) { Picture1_MouseDown(b, s, x, y); };
  Picture1->onMouseMove = [this](int b, int s, double x, double y) { Picture1_MouseMove(b, s, x, y); };
  Picture1->onMouseUp = [this](int b, int s, double x, double y) { Picture1_MouseUp(b, s, x, y); };
  HScroll[1]->onChange = [this] { HScroll1_Change(); };
  HScroll[1]->onScroll = [this] { HScroll1_Scroll(); };
  VScroll[5]->onChange = [this] { VScroll5_Change(); };
  VScroll[5]->onScroll = [this] { VScroll5_Scroll(); };
  Command[1]->onMouseDown = [this](int b) { Command1_MouseDown(b); };
  Command[2]->onClick = [this] { Command2_Click(); };
  Command[6]->onClick = [this] { Command6_Click(); };

  // Files.
  Command[12]->onClick = [this] { Command12_Click(); };
  Command[13]->onClick = [this] { Command13_Click(); };
  Command[14]->onClick = [this] { Command14_Click(); };
  Combo1->onChange = [this] { Combo1_Change(); };
  Combo1->onClick = [this] { Combo1_Click(); };

  // Panels.
  Text[15]->onChange = [this] { Text15_Change(); };
  Text[21]->onChange = [this] { Text21_Change(); };
  Text[22]->onChange = [this] { Text22_Change(); };
  for (int band = 2; band <= 6; ++band)
    Text[21 + band]->onChange = [this, band] { bandCount_Change(band); };
  Check[1]->onClick = [this] { Check1_Click(); };
  Check[2]->onClick = [this] { Check2_Click(); };
  Check[3]->onClick = [this] { Check3_Click(); };
  Command[8]->onClick = [this] { Command8_Click(); };
  Command[9]->onClick = [this] { Command9_Click(); };
  Command[10]->onClick = [this] { Command10_Click(); };
  Command[11]->onMouseDown = [this](int b) { Command11_MouseDown(b); };
  Command[11]->onMouseUp = [this](int b) { Command11_MouseUp(b); };

  // Reinforcements.
  for (int n = 37; n <= 42; ++n) Text[n]->onChange = [this, n] { percentBox_Change(n); };
  for (int n = 43; n <= 45; ++n) Text[n]->onChange = [this, n] { quantityBox_Change(n); };
  HScroll[2]->onChange = [this] { HScroll2_Change(); };
  HScroll[3]->onChange = [this] { HScroll3_Change(); };
  HScroll[4]->onChange = [this] { HScroll4_Change(); };
  HScroll[5]->onChange = [this] { HScroll5_Change(); };
  Option[8]->onClick = [this] { Option8_Click(); };
  Option[9]->onClick = [this] { Option9_Click(); };
  Option[10]->onClick = [this] { Option10_Click(); };
  Command[21]->onClick = [this] { Command21_Click(); };
  Command[22]->onClick = [this] { Command22_Click(); };
}

// ============================================================================
// Start-up and shut-down
// ============================================================================

}  // namespace kes
