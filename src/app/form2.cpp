// The analyser window: its controls as designed, the start, the camber
// buttons, the lists, printing and the redraw.

#include "app/form2.h"

#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>

#include "platform/printing.h"

namespace kes {

namespace {

constexpr const char* kCaption = "Vestrel Design Sail Analyzer";
constexpr double kGridLeft[5] = {6480, 7080, 7680, 8280, 8880};  // Text0..Text4
constexpr double kGridTopCamber1 = 5640;   // rows 720 twips apart, camber 5 on top
constexpr double kRowStep = 720;
constexpr const char* kGridTips[5] = {"Camber entry angle (left side)", "Camber max depth",
                                      "Max depth position (left to right)", "Local twist angle",
                                      "Camber exit angle (right side)"};

// The labels stand on the system window colour, as the photo box does.
void onWindowColour(Label* l) {
  QPalette p = l->palette();
  p.setColor(QPalette::Window, Qt::white);
  l->setPalette(p);
  l->setAutoFillBackground(true);
}

}  // namespace

Form2::Form2() {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QString::fromLatin1(kCaption));
  setFont(designFont());
  // Light grey client area of 9600 x 6915 twips, not laid out on resize.
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
  setPalette(p);
  setAutoFillBackground(true);
  resize(twipsToPixels(9600), twipsToPixels(6915));
  buildControls();
}

Form2::~Form2() = default;

void Form2::buildControls() {
  Picture1 = new PictureBox(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setGeometryTwips(120, 120, kPhotoBoxSize, kPhotoBoxSize);
  Picture1->setScale(0, 0, kPhotoBoxSize, kPhotoBoxSize);
  Picture1->setBackColor(kWhite);
  Picture1->setForeColor(kLightRed);  // pure red
  Picture1->setToolTip(QStringLiteral("Click & drag Rt button to zoom"));
  Picture1->onMouseDown = [this](int b, int s, double x, double y) { boxMouseDown(b, s, x, y); };
  Picture1->onMouseMove = [this](int b, int s, double x, double y) { boxMouseMove(b, s, x, y); };
  Picture1->onMouseUp = [this](int b, int s, double x, double y) { boxMouseUp(b, s, x, y); };
  Image1 = std::make_unique<ImageBox>(Picture1);

  Label1 = new Label(this, "Label1", "Sail Picture (*.bmp)");
  onWindowColour(Label1);
  setTwipRect(Label1, 6960, 120, 2535, 255);
  File1 = new FileList(this, "File1", "*.bmp");
  File1->setToolTip(QStringLiteral("BMP, port side"));
  setTwipRect(File1, 6960, 360, 1335, 1980);
  Dir1 = new DirList(this, "Dir1");
  setTwipRect(Dir1, 8400, 360, 1095, 1605);
  Drive1 = new DriveList(this, "Drive1");
  setTwipRect(Drive1, 8400, 2040, 1095, 315);
  Drive1->onChange = [this] { Drive1_Change(); };
  Dir1->onChange = [this] { Dir1_Change(); };
  File1->onClick = [this] { File1_Click(); };

  for (int i = 5; i >= 0; --i) {
    const bool edit = i == 0;
    const std::string caption = edit ? "Edit" : "Camber " + std::to_string(i);
    const std::string tip = edit ? "Click and drag any camber point"
                                 : (i == 1 ? "Create a camber, reselecting starts over" : "");
    OptionButton* o = new OptionButton(this, "Option1", caption, tip);
    if (edit)
      setTwipRect(o, 8880, 5340, 615, 195);
    else
      setTwipRect(o, 6960, 2520 + kRowStep * (5 - i), 1215, 195);
    o->onClick = [this, i] { Option1_Click(i); };
    // A click on the button already selected starts its camber over too.
    auto wasSelected = std::make_shared<bool>(false);
    connect(o, &QAbstractButton::pressed, o, [o, wasSelected] { *wasSelected = o->isChecked(); });
    connect(o, &QAbstractButton::clicked, o, [this, i, wasSelected] {
      if (*wasSelected) Option1_Click(i);
    });
    Option1[i] = o;
  }

  std::array<TextBox*, 5>* columns[5] = {&Text0, &Text1, &Text2, &Text3, &Text4};
  for (int c = 0; c < 5; ++c) {
    const std::string name = "Text" + std::to_string(c);
    for (int k = 4; k >= 0; --k) {
      TextBox* t = new TextBox(this, name.c_str(), "", k == 0 ? kGridTips[c] : "");
      setTwipRect(t, kGridLeft[c], kGridTopCamber1 - kRowStep * k, 615, 285);
      t->raise();  // the entry column overlaps the photo box's right edge
      (*columns[c])[static_cast<std::size_t>(k)] = t;
    }
  }
  const char* heads[4] = {"Dpth%", "Pos%", "Twist", "Exit"};
  Label** headLabels[4] = {&Label2, &Label3, &Label4, &Label6};
  const char* headNames[4] = {"Label2", "Label3", "Label4", "Label6"};
  for (int h = 0; h < 4; ++h) {
    *headLabels[h] = new Label(this, headNames[h], heads[h]);
    (*headLabels[h])->setAlignment(Qt::AlignCenter);
    onWindowColour(*headLabels[h]);
    setTwipRect(*headLabels[h], kGridLeft[h + 1], 6000, 615, 255);
  }

  Command1 = new CommandButton(this, "Command1", "Print");
  setTwipRect(Command1, 8400, 6240, 1095, 255);
  Command1->onClick = [this] { Command1_Click(); };
  Label5 = new Label(this, "Label5", "Save mold:");
  onWindowColour(Label5);
  setTwipRect(Label5, 6960, 6300, 1335, 255);
  Text5 = new TextBox(this, "Text5", "captured.mld", "Mold may be loaded for design");
  setTwipRect(Text5, 6960, 6540, 1335, 285);
  Save = new CommandButton(this, "Save", "Save", "Save your analysis, comments, and design mold");
  setTwipRect(Save, 8400, 6540, 1095, 300);
  Save->onClick = [this] { Save_Click(); };
}

TextBox* Form2::gridBox(int column, int k) const {
  const std::array<TextBox*, 5>* columns[5] = {&Text0, &Text1, &Text2, &Text3, &Text4};
  return (*columns[column])[static_cast<std::size_t>(k)];
}

// Everything as designed: no photo, no points, an empty grid, the lists at
// the current folder, no button selected.
void Form2::resetToDesign() {
  setWindowTitle(QString::fromLatin1(kCaption));
  cambers = Tracing{};
  CurrentCamber = 0;
  SelectedCamber = SelectedPoint = 0;
  zoomBox = ZoomBox{};
  zoom = PhotoZoom{};
  openedPhoto.clear();
  aspect_ = 1.0f;
  pressOnPhoto_ = false;
  Image1->clearPicture();
  Image1->setVisible(true);
  placeImage(Placement{0, 0, kPhotoBoxSize, kPhotoBoxSize});
  for (int c = 0; c < 5; ++c)
    for (int k = 0; k < kCambers; ++k) gridBox(c, k)->setText("");
  Text5->setText("captured.mld");
  for (OptionButton* o : Option1) o->setValue(false);
  const std::string here = QDir::currentPath().toStdString();
  Drive1->showDriveOf(here);
  Dir1->setPath(here);
  File1->setPath(here);
}

void Form2::Form_Load() {
  loaded_ = true;
  resetToDesign();
  if (const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
    const QRect avail = s->availableGeometry();
    move(avail.x() + (avail.width() - width()) / 2, avail.y() + (avail.height() - height()) / 2);
  }
  Option1[1]->setValue(true);  // "Camber 1": starts it empty and redraws
  redraw();
}

void Form2::Form_Show() {
  if (!loaded_) Form_Load();
  show();
  raise();
  activateWindow();
}

// Redraws when shown and when activated: the drawings over the photo are
// not kept by the window system. Not mid-drag, which would drop the picked point.
void Form2::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (loaded_ && !pressOnPhoto_) redraw();
}

void Form2::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  // A window that loses the activation mid-press (a message box, another
  // program) does not get the release: the press is over.
  if (e->type() == QEvent::ActivationChange && !isActiveWindow()) pressOnPhoto_ = false;
  if (e->type() == QEvent::ActivationChange && isActiveWindow() && loaded_ && !pressOnPhoto_)
    redraw();
}

// Closing from the title bar unloads the window: the next show starts afresh.
void Form2::closeEvent(QCloseEvent* e) {
  loaded_ = false;
  resetToDesign();
  e->accept();
}

void Form2::Option1_Click(int index) {
  if (index < 0 || index > kCambers) return;
  CurrentCamber = index;
  cambers.count[index] = 0;
  redraw();
}

void Form2::Command1_Click() { printWindow(this, "analyzer.pdf"); }

void Form2::Drive1_Change() { Dir1->setPath(Drive1->drive()); }

void Form2::Dir1_Change() { File1->setPath(Dir1->path()); }

void Form2::Image1_MouseUp(int button, int, double, double) {
  if (button == 2) ZoomPhoto();
  Picture1->clear();  // the photo painted again, the marks wiped
  SelectedCamber = SelectedPoint = 0;
  DrawCamberPoints(cambers, zoom, *Picture1);
  for (int c = 0; c < 5; ++c)
    for (int k = 0; k < kCambers; ++k) grid_.text[c][k] = gridBox(c, k)->text();
  AnalyseCambers(cambers, zoom, curves, *Picture1, grid_);
  for (int c = 0; c < 5; ++c)
    for (int k = 0; k < kCambers; ++k) gridBox(c, k)->setText(grid_.text[c][k]);
}

}  // namespace kes
