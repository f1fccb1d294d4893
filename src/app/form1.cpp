#include "app/form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>
#include <optional>

#include "app/form2.h"
#include "common/numbers.h"
#include "model/battens.h"
#include "platform/dialogs.h"
#include "platform/system.h"
#include "view/plan_view.h"
#include "view/rotation.h"
#include "view/section_view.h"

namespace kes {

namespace {

std::function<bool()>& instanceProbe() {
  static std::function<bool()> probe;
  return probe;
}

// The designed outer size of the window, which the layout also keeps as its minimum.
constexpr double kMinWidth = 9720;
constexpr double kMinHeight = 7320;
// Borders, title bar and menu bar of the designed window, in twips.
constexpr double kBorderWidth = 120;
constexpr double kChromeHeight = 690;

// A box number set into a scroll bar: ten times the box (or the box itself),
// rounded half to even; a value outside a 16-bit whole number fails.
Num barValue(const std::string& text, double factor) {
  return toInt16(Num(parseLenient(text)) * factor);
}

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

void Form1::setInstanceProbe(std::function<bool()> probe) { instanceProbe() = std::move(probe); }

// ============================================================================
// The designed window
// ============================================================================

Form1::Form1() {
  setObjectName(QStringLiteral("Form1"));
  setFont(designFont());
  setWindowTitle(QStringLiteral("Form1"));
  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("client"));
  setCentralWidget(client_);
  // The client area never gets smaller than designed (9600 x 6630 twips).
  client_->setMinimumSize(twipsToPixels(kMinWidth - kBorderWidth),
                          twipsToPixels(kMinHeight - kChromeHeight));

  buildMenus();
  buildViewControls(client_);
  buildSizeFrame(client_);
  buildMoldFrame(client_);
  buildBattensFrame(client_);
  buildPanelsFrame(client_);
  buildFilesFrame(client_);
  buildReinforcementsFrame(client_);
  // Over the plan view: the section strip and the view controls.
  Picture2->raise();
  for (QWidget* w : {static_cast<QWidget*>(Label40), static_cast<QWidget*>(HScroll[1]),
                     static_cast<QWidget*>(VScroll[5]), static_cast<QWidget*>(Command[1]),
                     static_cast<QWidget*>(Command[2]), static_cast<QWidget*>(Command[3]),
                     static_cast<QWidget*>(Command[6])})
    w->raise();
  wireHandlers();
  setOuterSizeTwips(kMinWidth, kMinHeight);
  qApp->installEventFilter(this);
}

Form1::~Form1() {
  qApp->removeEventFilter(this);
  if (form2_) form2_->close();
}

int Form1::menuBarPixels() const { return menuBar()->sizeHint().height(); }

double Form1::outerWidthTwips() const { return width() * kTwipsPerPixel + kBorderWidth; }

double Form1::outerHeightTwips() const {
  return (height() - menuBarPixels()) * kTwipsPerPixel + kChromeHeight;
}

void Form1::setOuterSizeTwips(double w, double h) {
  resize(twipsToPixels(w - kBorderWidth), twipsToPixels(h - kChromeHeight) + menuBarPixels());
}

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

bool Form1::Form_Load() {
  // A second copy ends before it has changed anything.
  const bool another = instanceProbe() ? instanceProbe()() : anotherInstanceRunning();
  if (another) return false;

  setWindowTitle(QString::asprintf("Vestrel Design Kestrova V%d.%d.%d", KES_VERSION_MAJOR,
                                   KES_VERSION_MINOR, KES_VERSION_PATCH));
  ViewStep = 5;
  CurrentSection = 1;
  color_Click();

  // Centre the window on the screen by its designed outer size.
  setOuterSizeTwips(kMinWidth, kMinHeight);
  if (const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
    const QRect scr = s->geometry();
    move(scr.x() + (scr.width() - twipsToPixels(kMinWidth)) / 2,
         scr.y() + (scr.height() - twipsToPixels(kMinHeight)) / 2);
  }

  // Stack the six frames.
  struct Place {
    Frame* frame;
    double left;
  };
  for (const Place& p : {Place{FrameSize, 6960}, Place{FrameMold, 4560}, Place{FramePan, 6960},
                         Place{FrameFile, 6960}, Place{FrameBat, 6960}, Place{FrameRein, 6960}}) {
    setTwipLeft(p.frame, p.left);
    setTwipTop(p.frame, 360);
    if (p.frame != FrameSize) p.frame->hide();
  }
  setTwipRect(Picture2, 720, 4680, 8775, 1755);
  Picture2->hide();
  Command[6]->hide();

  // Restore the design that was open at the last exit.
  LoadingFlag = 1;
  Combo1->setText("lastsail.sal");
  Combo2->setText("lastsail.mld");
  Combo3->setText("lastsail.pnl");
  if (fileExists("lastsail.sal")) Command12_Click();
  LoadingFlag = 0;

  Command3_Click();
  show();  // lays the window out through Form_Resize
  ReadPlotScale();
  msgBox(this,
         "Welcome to Kestrova.\nType the sail's size in the Size frame; the other frames are "
         "chosen with the buttons at the top right or the Design menu.",
         "Kestrova", MsgButtons::Ok, MsgIcon::None);
  return true;
}

void Form1::Form_Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  Combo1->setText("lastsail.sal");
  Combo2->setText("lastsail.mld");
  Combo3->setText("lastsail.pnl");
  Command13_Click();
  // Ending the program closes every window, the analyser too.
  if (form2_) form2_->close();
}

void Form1::closeEvent(QCloseEvent* e) {
  Form_Unload();
  e->accept();
}

void Form1::dummy2_Click() { close(); }

void Form1::resizeEvent(QResizeEvent* e) {
  QMainWindow::resizeEvent(e);
  Form_Resize();
}

void Form1::Form_Resize() {
  // A minimised window is not laid out.
  if (isMinimized()) return;
  double W = outerWidthTwips();
  double H = outerHeightTwips();
  if (W < kMinWidth || H < kMinHeight) {
    W = std::max(W, kMinWidth);
    H = std::max(H, kMinHeight);
    setOuterSizeTwips(W, H);
  }
  for (Frame* f : {FrameSize, FramePan, FrameFile, FrameBat, FrameRein}) setTwipLeft(f, W - 2760);
  setTwipLeft(FrameMold, W - 5160);
  setTwipLeft(Option[1], W - 2760);
  setTwipLeft(Option[2], W - 2340);
  setTwipLeft(Option[6], W - 1890);
  setTwipLeft(Option[3], W - 1440);
  setTwipLeft(Option[7], W - 1020);
  setTwipLeft(Option[4], W - 570);

  setTwipHeight(Picture1, H - 945);
  setTwipWidth(Picture1, twipRect(Picture1).height * 1.06);
  setTwipRect(Picture2, W - 9000, H - 2520, 8775, 1755);

  const double right = twipRect(Picture1).width + 120;
  setTwipLeft(Command[3], right - 375);
  setTwipTop(Command[3], H - 1200);
  setTwipLeft(HScroll[1], right - 3255);
  setTwipLeft(Command[1], right - 375);
  setTwipLeft(VScroll[5], right - 375);
  setTwipLeft(Command[2], right - 375);
  setTwipTop(Command[6], H - 1200);

  Command3_Click();
  if (Option[3]->value()) LayoutCrosscutSeams();
  if (Option[7]->value()) Command22_Click();
}

// ============================================================================
// The sail model
// ============================================================================

void Form1::readInputs(SailInputs& in) const {
  in.loading = LoadingFlag == 1;
  for (int n = 1; n <= 14; ++n) in.text[n] = parseLenient(Text[n]->text());
  for (int i = 0; i < 6; ++i) {
    in.ent[i] = parseLenient(ent[i]->text());
    in.dep[i] = parseLenient(dep[i]->text());
    in.pos[i] = parseLenient(pos[i]->text());
    in.ex[i] = parseLenient(ex[i]->text());
  }
  for (int k = 0; k < 5; ++k) {
    in.batten[k].position = parseStrict(BatPos[k]->text());
    in.batten[k].length = parseLenient(BatLngth[k]->text());
  }
  in.battenHollow = BattenHollow;
  in.currentSection = CurrentSection;
  in.unit = Inches->checked()        ? Unit::Inches
            : Feet->checked()        ? Unit::Feet
            : Millimeters->checked() ? Unit::Millimeters
                                     : Unit::None;
}

void Form1::Command3_Click() {
  if (LoadingFlag == 1) return;
  readInputs(inputs_);
  const RecomputeResult r = recompute(inputs_, m);
  if (!r.completed) return;  // a zero luff, head width, diagonal or foot: nothing repainted
  Label40->setCaption(kViewBanner);
  const ViewScale& v = m.fullView;
  Picture1->setScale(v.left, v.top, v.right, v.bottom);
  Picture1->refresh();
  const std::string area = areaText(m.area, inputs_.unit);
  if (!area.empty()) Text[46]->setText(area);
}

void Form1::Picture1_Paint() {
  PlanViewInputs in;
  for (int k = 0; k < 5; ++k) {
    in.batPos[k] = BatPos[k]->text();
    in.batLngth[k] = BatLngth[k]->text();
    in.batAngl[k] = BatAngl[k]->text();
  }
  for (int r = 0; r < 2; ++r) {
    in.numReef[r] = NumReef[r]->text();
    in.reefPos[r] = ReefPos[r]->text();
  }
  in.panelsMode = Option[3]->value();
  in.sectionVisible = !Picture2->isHidden();
  in.currentSection = CurrentSection;
  in.trueShape = Check[4]->value() == 1;
  in.vertShape = Check[5]->value() == 1;
  const PlanViewResult r = paintPlanView(m, in, *Picture1, in.sectionVisible ? Picture2 : nullptr);
  if (r.markerMoved) setTwipTop(Shape1, r.markerTopTwips);
}

// ============================================================================
// Window modes and the Design menu
// ============================================================================

Form1::Mode Form1::designFrame() const {
  if (Option[2]->value()) return Mode::Mold;
  if (Option[6]->value()) return Mode::Battens;
  if (Option[3]->value()) return Mode::Panels;
  if (Option[7]->value()) return Mode::Reinforcements;
  if (Option[4]->value()) return Mode::Files;
  return Mode::Size;
}

void Form1::Option1_Click() { enterMode(Mode::Size); }
void Form1::Option2_Click() { enterMode(Mode::Mold); }
void Form1::Option6_Click() { enterMode(Mode::Battens); }
void Form1::Option3_Click() { enterMode(Mode::Panels); }
void Form1::Option7_Click() { enterMode(Mode::Reinforcements); }
void Form1::Option4_Click() { enterMode(Mode::Files); }

void Form1::enterMode(Mode mode) {
  MenuItem* items[6] = {dummy13, dummy14, dummy17, dummy15, dummy24, dummy16};
  Frame* frames[6] = {FrameSize, FrameMold, FrameBat, FramePan, FrameRein, FrameFile};
  const int k = static_cast<int>(mode);
  for (int i = 0; i < 6; ++i) items[i]->setCheckMark(i == k);
  for (int i = 0; i < 6; ++i) frames[i]->setVisible(i == k);
  Picture2->setVisible(mode == Mode::Mold);
  const bool viewControls = mode == Mode::Size;
  for (QWidget* w : {static_cast<QWidget*>(HScroll[1]), static_cast<QWidget*>(Command[1]),
                     static_cast<QWidget*>(VScroll[5]), static_cast<QWidget*>(Command[2]),
                     static_cast<QWidget*>(Command[3])})
    w->setVisible(viewControls);
  if (mode == Mode::Reinforcements) Command[6]->hide();

  switch (mode) {
    case Mode::Size:
      Command3_Click();
      Text[1]->setFocus();
      break;
    case Mode::Mold:
      Command3_Click();
      setMoldBarsFromRow(CurrentSection);
      Text[14]->setFocus();
      break;
    case Mode::Panels:
      Command3_Click();
      if (layout.SeamLuffEnd[1] == 0) Text15_Change();  // no seam layout yet
      LayoutCrosscutSeams();
      Text[15]->setFocus();
      break;
    case Mode::Reinforcements:
      Command3_Click();
      Command22_Click();
      break;
    case Mode::Battens:
      break;
    case Mode::Files:
      if (FilesListed == 0) {
        Command14_Click();
        listDesignFiles(true);
        FilesListed = 1;
      }
      break;
  }
}

void Form1::designMenuPick(MenuItem* item, OptionButton* selector) {
  for (MenuItem* i : {dummy13, dummy14, dummy17, dummy15, dummy24, dummy16})
    i->setCheckMark(i == item);
  selector->setValue(true);  // runs the selector's click when it was not selected
}

void Form1::dummy13_Click() { designMenuPick(dummy13, Option[1]); }
void Form1::dummy14_Click() { designMenuPick(dummy14, Option[2]); }
void Form1::dummy17_Click() { designMenuPick(dummy17, Option[6]); }
void Form1::dummy15_Click() { designMenuPick(dummy15, Option[3]); }
void Form1::dummy24_Click() { designMenuPick(dummy24, Option[7]); }
void Form1::dummy16_Click() { designMenuPick(dummy16, Option[4]); }
void Form1::dummy10_Click() { Option[4]->setValue(true); }
void Form1::dummy11_Click() { Option[4]->setValue(true); }

// ============================================================================
// Options, Nest, Analyze, keys
// ============================================================================

void Form1::Inches_Click() {
  Inches->setCheckMark(true);
  Millimeters->setCheckMark(false);
  Feet->setCheckMark(false);
}

void Form1::Feet_Click() {
  Inches->setCheckMark(false);
  Millimeters->setCheckMark(false);
  Feet->setCheckMark(true);
}

void Form1::Millimeters_Click() {
  Inches->setCheckMark(false);
  Millimeters->setCheckMark(true);
  Feet->setCheckMark(false);
}

void Form1::dummy33_Click() { dummy33->setCheckMark(!dummy33->checked()); }
void Form1::ShelfFoot_Click() { ShelfFoot->setCheckMark(!ShelfFoot->checked()); }
void Form1::TwistFoot_Click() { TwistFoot->setCheckMark(!TwistFoot->checked()); }

void Form1::dummy26_Click() {
  if (msgBox(this, "Delete All Plot files?", "Delete All", MsgButtons::YesNo, MsgIcon::Question) !=
      MsgResult::Yes)
    return;
  deleteFiles("*.uc");
  deleteFiles("*.pic");
}

void Form1::startSibling(const char* program) {
  startProgram(program);  // a program that cannot be started is passed over
  close();                // saves the last-used design and ends this program
}

void Form1::dummy19_Click() { startSibling("ZAMREL.EXE"); }
void Form1::dummy20_Click() { startSibling("TESSIL.EXE"); }
void Form1::dummy21_Click() { startSibling("QUILDA.EXE"); }
void Form1::dummy22_Click() { startSibling("VARDENW.EXE"); }

void Form1::dummy31_Click() {
  if (!form2_) form2_ = std::make_unique<Form2>();
  form2_->Form_Show();
}

void Form1::color_Click() {
  setColorScheme(!color->checked());
  Picture1->refresh();
  if (Option[3]->value()) LayoutCrosscutSeams();
}

void Form1::setColorScheme(bool black) {
  // The section strip always shows the inverse of the plan view.
  Picture1->setBackColor(black ? kBlack : kWhite);
  Picture1->setForeColor(black ? kWhite : kBlack);
  Picture2->setBackColor(black ? kWhite : kBlack);
  Picture2->setForeColor(black ? kBlack : kWhite);
  Label40->setForeColor(PictureBox::paletteColor(Picture1->foreColor()));
  color->setCheckMark(black);
}

void Form1::Form_KeyDown(int& keyCode, int /*shift*/) {
  if (keyCode == 27) {
    StopRequest = 1;  // the key still reaches the focused control
    return;
  }
  if (!Option[1]->value()) return;  // the arrows turn the view in the Size frame only
  switch (keyCode) {
    case 37:
      keyCode = 0;
      HScroll[1]->setValue(HScroll[1]->value() - 5);  // refused beyond the bar's end
      break;
    case 39:
      keyCode = 0;
      HScroll[1]->setValue(HScroll[1]->value() + 5);
      break;
    case 38:
      keyCode = 0;
      VScroll[5]->setValue(VScroll[5]->value() - 5);
      break;
    case 40:
      keyCode = 0;
      VScroll[5]->setValue(VScroll[5]->value() + 5);
      break;
    default:
      break;
  }
}

bool Form1::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::KeyPress && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == this) {
    auto* key = static_cast<QKeyEvent*>(e);
    int code = 0;
    switch (key->key()) {
      case Qt::Key_Escape: code = 27; break;
      case Qt::Key_Left: code = 37; break;
      case Qt::Key_Up: code = 38; break;
      case Qt::Key_Right: code = 39; break;
      case Qt::Key_Down: code = 40; break;
      default: break;
    }
    if (code != 0) {
      int shift = 0;
      if (key->modifiers() & Qt::ShiftModifier) shift |= 1;
      if (key->modifiers() & Qt::ControlModifier) shift |= 2;
      if (key->modifiers() & Qt::AltModifier) shift |= 4;
      Form_KeyDown(code, shift);
      if (code == 0) return true;  // kept from the focused control
    }
  }
  return QMainWindow::eventFilter(watched, e);
}

// ============================================================================
// Size frame: leech diagonal and batten hollow
// ============================================================================

void Form1::Command5_Click() {
  // Cancel in either box leaves the diagonal as it is; OK with no clew height
  // asks for the tack angle, and OK with no tack angle means 0 degrees.
  const std::optional<std::string> clewHeight = inputBox(this, kClewHeightPrompt, kClewHeightTitle);
  if (!clewHeight) return;
  std::optional<std::string> tackAngle = std::string();
  if (clewHeight->empty()) {
    tackAngle = inputBox(this, kTackAnglePrompt, kTackAngleTitle, kTackAngleDefault);
    if (!tackAngle) return;
  }
  const std::optional<std::string> diagonal = leechDiagonal(
      m, Text[1]->text(), Text[2]->text(), Text[4]->text(), *clewHeight, *tackAngle);
  if (diagonal) Text[3]->setText(*diagonal);
}

void Form1::dummy37_Click() {
  const std::optional<std::string> answer =
      inputBox(this, kBattenHollowPrompt, kBattenHollowTitle, battenHollowDefault(BattenHollow));
  if (!answer) return;  // Cancel keeps the hollow and the drawing
  BattenHollow = battenHollowFromAnswer(*answer, BattenHollow);
  Command3_Click();
  if (Option[3]->value()) LayoutCrosscutSeams();
  if (Option[7]->value()) Command22_Click();
}

// ============================================================================
// Battens
// ============================================================================

namespace {
// The batten boxes of the Battens frame as the batten calculators see them.
class FrameBattenBoxes : public BattenBoxes {
 public:
  FrameBattenBoxes(TextBox* const* pos, TextBox* const* lngth, TextBox* const* angl)
      : pos_(pos), lngth_(lngth), angl_(angl) {}
  std::string text(BattenBox box, int row) const override {
    const TextBox* b = find(box, row);
    return b ? b->text() : std::string();
  }
  void setText(BattenBox box, int row, const std::string& text) override {
    if (TextBox* b = find(box, row)) b->setText(text);
  }

 private:
  TextBox* find(BattenBox box, int row) const {
    if (row < 0 || row > 4) return nullptr;
    switch (box) {
      case BattenBox::Position: return pos_[row];
      case BattenBox::Length: return lngth_[row];
      case BattenBox::Angle: return angl_[row];
    }
    return nullptr;
  }
  TextBox* const* pos_;
  TextBox* const* lngth_;
  TextBox* const* angl_;
};
}  // namespace

void Form1::standardBattenSetUp(int kind) {
  FrameBattenBoxes boxes(BatPos, BatLngth, BatAngl);
  const StandardSetUp setUp =
      kind == 3 ? StandardSetUp::Std3 : kind == 4 ? StandardSetUp::Std4 : StandardSetUp::Std5;
  standardBattens(setUp, Text[4]->text(), m, boxes);
  Command3_Click();
}

void Form1::Command15_Click() { standardBattenSetUp(3); }
void Form1::Command4_Click() { standardBattenSetUp(4); }
void Form1::Command18_Click() { standardBattenSetUp(5); }

void Form1::Command19_Click() {
  FrameBattenBoxes boxes(BatPos, BatLngth, BatAngl);
  noBattens(boxes);
}

void Form1::fullLengthRow(int row) {
  FrameBattenBoxes boxes(BatPos, BatLngth, BatAngl);
  fullLengthBatten(row, Text[4]->text(), m, boxes);
}

void Form1::Command24_Click() { fullLengthRow(0); }
void Form1::Command23_Click() { fullLengthRow(1); }
void Form1::Command20_Click() { fullLengthRow(2); }
void Form1::Command17_Click() { fullLengthRow(3); }
void Form1::Command16_Click() { fullLengthRow(4); }

// ============================================================================
// Camber stations and the mold scroll bars
// ============================================================================

void Form1::setMoldBarsFromRow(int row) {
  if (row < 0 || row > 5) return;
  TextBox* boxes[4] = {ent[row], dep[row], pos[row], ex[row]};
  for (int k = 0; k < 4; ++k) {
    const Num v = barValue(boxes[k]->text(), 10.0);
    if (v.good()) VScroll[k + 1]->setValue(static_cast<int>(v.v));  // refused outside the range
  }
}

void Form1::Option5_Click(int row) {
  CurrentSection = row;
  setMoldBarsFromRow(row);
  Picture1->refresh();
}

void Form1::moldBarToBox(int column) {
  if (CurrentSection < 0 || CurrentSection > 5) return;
  TextBox* const* arrays[4] = {ent, dep, pos, ex};
  arrays[column][CurrentSection]->setText(plainNumber(VScroll[column + 1]->value() / 10.0));
}

void Form1::VScroll1_Change() { moldBarToBox(0); }
void Form1::VScroll2_Change() { moldBarToBox(1); }
void Form1::VScroll3_Change() { moldBarToBox(2); }
void Form1::VScroll4_Change() { moldBarToBox(3); }

void Form1::moldBox_Change(int row) {
  CurrentSection = row;
  Command3_Click();
}

void Form1::moldBox_GotFocus(int row) {
  CurrentSection = row;
  Option5[row]->setValue(true);
}

// ============================================================================
// Views
// ============================================================================

void Form1::turnedView() {
  Label40->setCaption(viewAnglesCaption(m));
  Picture1->refresh();
}

void Form1::HScroll1_Change() {
  scrollViewY(m, ViewStep, HScroll[1]->value());
  turnedView();
}

void Form1::HScroll1_Scroll() { HScroll1_Change(); }

void Form1::VScroll5_Change() {
  scrollViewX(m, ViewStep, VScroll[5]->value());
  turnedView();
}

void Form1::VScroll5_Scroll() { VScroll5_Change(); }

void Form1::Command1_MouseDown(int button) {
  pressViewZ(m, ViewStep, button);
  turnedView();
}

void Form1::Command2_Click() {
  recallView(m, ViewStep, HScroll[1]->value(), VScroll[5]->value());
  turnedView();
}

void Form1::runOverlays() {
  if (Option[3]->value()) LayoutCrosscutSeams();
  if (Option[7]->value()) Command22_Click();
}

void Form1::Command6_Click() {
  applyFullView(m, *Picture1);
  Picture1->refresh();
  Command[6]->hide();
  runOverlays();
}

void Form1::Command7_Click() {
  const MoldViewGeometry g = toggleMoldView(MoldViewLarge, outerWidthTwips(), outerHeightTwips());
  setTwipRect(Picture2, g.left, g.top, g.width, g.height);
  MoldViewLarge = g.moldViewLarge;
  Picture1->refresh();  // the strip's new image is drawn by the plan view's paint
}

void Form1::Check4_Click() { Picture1->refresh(); }
void Form1::Check5_Click() { Picture1->refresh(); }

// ============================================================================
// Panels and Reinforcements frames: the panel layout, its count boxes,
// options, check view and handle drags are in form1_panels.cpp; the develops
// and the reinforcements come with their own work.
// ============================================================================


}  // namespace kes
