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
#include "layout/crosscut.h"
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
  // No event procedure runs after the save: the focus leaving a box as the
  // window closes must not report an edit or a pick (the sail box would take
  // "lastsail.sal" from its list as a pick and load it, rewriting the report).
  for (QObject* o : findChildren<QObject*>()) o->blockSignals(true);
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
      if (!SeamsLaidOut(layout)) Text15_Change();  // no seam layout yet
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
  if (!unloaded_ && e->type() == QEvent::KeyPress && watched->isWidgetType() &&
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

}  // namespace kes
