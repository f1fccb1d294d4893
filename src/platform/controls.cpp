#include "platform/controls.h"

#include <QFocusEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QVariant>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace kes {

namespace {
constexpr const char* kTwipProperty = "kesTwipRect";

void applyTwips(QWidget* w, const TwipRect& r) {
  w->setProperty(kTwipProperty, QRectF(r.left, r.top, r.width, r.height));
  const int l = twipsToPixels(r.left);
  const int t = twipsToPixels(r.top);
  const int rr = twipsToPixels(r.left + r.width);
  const int b = twipsToPixels(r.top + r.height);
  w->setGeometry(l, t, rr > l ? rr - l : 0, b > t ? b - t : 0);
}
}  // namespace

// ---- Twips -----------------------------------------------------------------

int twipsToPixels(double twips) {
  const double p = twips / kTwipsPerPixel;
  if (!std::isfinite(p)) return 0;
  if (p > 1e6) return 1000000;
  if (p < -1e6) return -1000000;
  return static_cast<int>(std::lround(p));
}

void setTwipRect(QWidget* w, const TwipRect& r) { applyTwips(w, r); }

void setTwipRect(QWidget* w, double left, double top, double width, double height) {
  applyTwips(w, TwipRect{left, top, width, height});
}

TwipRect twipRect(const QWidget* w) {
  const QVariant v = w->property(kTwipProperty);
  if (v.isValid()) {
    const QRectF r = v.toRectF();
    return {r.x(), r.y(), r.width(), r.height()};
  }
  const QRect g = w->geometry();
  return {g.x() * kTwipsPerPixel, g.y() * kTwipsPerPixel, g.width() * kTwipsPerPixel,
          g.height() * kTwipsPerPixel};
}

namespace {
// Moves one side or one size of a widget, keeping the other three twip values.
void setTwipField(QWidget* w, double TwipRect::*field, double value) {
  TwipRect r = twipRect(w);
  r.*field = value;
  applyTwips(w, r);
}
}  // namespace

void setTwipLeft(QWidget* w, double left) { setTwipField(w, &TwipRect::left, left); }
void setTwipTop(QWidget* w, double top) { setTwipField(w, &TwipRect::top, top); }
void setTwipWidth(QWidget* w, double width) { setTwipField(w, &TwipRect::width, width); }
void setTwipHeight(QWidget* w, double height) { setTwipField(w, &TwipRect::height, height); }

QFont designFont() {
  QFont f(QStringLiteral("Sans Serif"));
  f.setPointSizeF(8.0);
  return f;
}

namespace {
// Takes a box's text as it now stands; its change handler runs only when the
// text differs from the one held, whether the user or code changed it.
void takeChangedText(std::string& held, std::string now, const std::function<void()>& onChange) {
  if (now == held) return;
  held = std::move(now);
  if (onChange) onChange();
}
}  // namespace

// ---- Text box ----------------------------------------------------------------

TextBox::TextBox(QWidget* parent, const char* name, const std::string& startText,
                 const std::string& tip)
    : QLineEdit(parent) {
  setObjectName(QString::fromLatin1(name));
  if (!tip.empty()) setToolTip(QString::fromStdString(tip));
  QLineEdit::setText(QString::fromStdString(startText));
  text_ = QLineEdit::text().toStdString();
  connect(this, &QLineEdit::textChanged, this, [this](const QString& t) { takeText(t); });
}

void TextBox::setText(const std::string& t) {
  if (t == text_) return;
  {
    const QSignalBlocker block(this);
    // A box the user is typing in keeps its caret after the same characters
    // counted from the end, so that a change handler rewriting its own box
    // (a clamp, a whole number) does not send the next keystroke to the
    // front. Any other box shows a text set from code from its start.
    const bool typing = hasFocus();
    const qsizetype fromEnd = QLineEdit::text().size() - cursorPosition();
    QLineEdit::setText(QString::fromStdString(t));
    const qsizetype length = QLineEdit::text().size();
    setCursorPosition(typing ? static_cast<int>(std::clamp<qsizetype>(length - fromEnd, 0, length)) : 0);
  }
  takeChangedText(text_, QLineEdit::text().toStdString(), onChange);
}

void TextBox::takeText(const QString& t) { takeChangedText(text_, t.toStdString(), onChange); }

void TextBox::focusInEvent(QFocusEvent* e) {
  QLineEdit::focusInEvent(e);
  if (onGotFocus) onGotFocus();
}

// ---- Scroll bar --------------------------------------------------------------

ScrollBar::ScrollBar(Qt::Orientation o, QWidget* parent, const char* name, const std::string& tip)
    : QScrollBar(o, parent) {
  setObjectName(QString::fromLatin1(name));
  if (!tip.empty()) setToolTip(QString::fromStdString(tip));
  setContextMenuPolicy(Qt::NoContextMenu);
  setMinMax(0, 32767);
  setSingleStep(1);
  setPageStep(1);
  connect(this, &QAbstractSlider::valueChanged, this, [this](int) { takeValue(); });
  connect(this, &QAbstractSlider::sliderReleased, this, [this] { thumbReleased(); });
}

void ScrollBar::setMinMax(int minEnd, int maxEnd) {
  const int lo = std::min(minEnd, maxEnd);
  const int hi = std::max(minEnd, maxEnd);
  const int keep = std::clamp(value(), lo, hi);
  minEnd_ = minEnd;
  maxEnd_ = maxEnd;
  const QSignalBlocker block(this);
  setRange(lo, hi);
  reversed_ = minEnd > maxEnd;
  QScrollBar::setValue(toBar(keep));
  last_ = keep;
}

bool ScrollBar::setValue(int v) {
  if (v < minimum() || v > maximum()) return false;
  if (v == value()) return true;
  {
    const QSignalBlocker block(this);
    QScrollBar::setValue(toBar(v));
  }
  last_ = v;
  if (onChange) onChange();
  return true;
}

void ScrollBar::wheelEvent(QWheelEvent* e) { e->ignore(); }

void ScrollBar::takeValue() {
  if (isSliderDown()) {
    if (onScroll) onScroll();
    return;
  }
  const int v = value();
  if (v == last_) return;
  last_ = v;
  if (onChange) onChange();
}

void ScrollBar::thumbReleased() {
  const int v = value();
  if (v == last_) return;
  last_ = v;
  if (onChange) onChange();
}

// ---- Check box ---------------------------------------------------------------

namespace {
Qt::CheckState stateOf(int v) {
  return v == 1 ? Qt::Checked : v == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
}
int valueOf(int state) {
  return state == Qt::Checked ? 1 : state == Qt::PartiallyChecked ? 2 : 0;
}
}  // namespace

CheckBox::CheckBox(QWidget* parent, const char* name, const std::string& caption,
                   const std::string& tip, int startValue)
    : QCheckBox(QString::fromStdString(caption), parent) {
  setObjectName(QString::fromLatin1(name));
  if (!tip.empty()) setToolTip(QString::fromStdString(tip));
  value_ = (startValue >= 0 && startValue <= 2) ? startValue : 0;
  if (value_ == 2) setTristate(true);
  setCheckState(stateOf(value_));
  connect(this, &QCheckBox::stateChanged, this, [this](int s) { takeState(s); });
}

bool CheckBox::setValue(int v) {
  if (v < 0 || v > 2) return false;
  if (v == value_) return true;
  {
    const QSignalBlocker block(this);
    if (v == 2) setTristate(true);
    setCheckState(stateOf(v));
  }
  value_ = v;
  if (onClick) onClick();
  return true;
}

void CheckBox::nextCheckState() {
  // The user toggles between ticked and unticked; greyed comes only from code.
  setCheckState(value_ == 1 ? Qt::Unchecked : Qt::Checked);
}

void CheckBox::takeState(int state) {
  const int v = valueOf(state);
  if (v == value_) return;
  value_ = v;
  if (onClick) onClick();
}

// ---- Option button -----------------------------------------------------------

OptionButton::OptionButton(QWidget* parent, const char* name, const std::string& caption,
                           const std::string& tip)
    : QRadioButton(QString::fromStdString(caption), parent) {
  setObjectName(QString::fromLatin1(name));
  if (!tip.empty()) setToolTip(QString::fromStdString(tip));
  connect(this, &QAbstractButton::toggled, this, [this](bool on) {
    if (on && onClick) onClick();
  });
  // A click on the selected button changes nothing, so Qt reports no toggle:
  // tell it by the state at the press (mouse or key) that began the click.
  connect(this, &QAbstractButton::pressed, this, [this] { selectedAtPress_ = isChecked(); });
  connect(this, &QAbstractButton::clicked, this, [this] {
    const bool reclick = selectedAtPress_;
    selectedAtPress_ = false;
    if (reclick && clickWhenSelected_ && onClick) onClick();
  });
}

void OptionButton::setValue(bool selected) {
  if (selected) {
    setChecked(true);  // toggled(true) runs onClick when it was not selected
    return;
  }
  if (!isChecked()) return;
  // Qt keeps the checked button of an exclusive group checked; clear it alone.
  const bool exclusive = autoExclusive();
  setAutoExclusive(false);
  setChecked(false);
  setAutoExclusive(exclusive);
}

// ---- Command button ----------------------------------------------------------

CommandButton::CommandButton(QWidget* parent, const char* name, const std::string& caption,
                             const std::string& tip)
    : QPushButton(QString::fromStdString(caption), parent) {
  setObjectName(QString::fromLatin1(name));
  if (!tip.empty()) setToolTip(QString::fromStdString(tip));
  setAutoDefault(false);
  connect(this, &QAbstractButton::clicked, this, [this] {
    if (onClick) onClick();
  });
}

int CommandButton::buttonCode(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
  }
}

void CommandButton::mousePressEvent(QMouseEvent* e) {
  if (onMouseDown) onMouseDown(buttonCode(e->button()));
  QPushButton::mousePressEvent(e);
}

void CommandButton::mouseReleaseEvent(QMouseEvent* e) {
  if (onMouseUp) onMouseUp(buttonCode(e->button()));
  QPushButton::mouseReleaseEvent(e);
}

// ---- Label and frame ---------------------------------------------------------

Label::Label(QWidget* parent, const char* name, const std::string& caption, const std::string& tip)
    : QLabel(parent) {
  setObjectName(QString::fromLatin1(name));
  setTextFormat(Qt::PlainText);
  setText(QString::fromStdString(caption));
  if (!tip.empty()) setToolTip(QString::fromStdString(tip));
}

std::string Label::caption() const { return text().toStdString(); }

void Label::setCaption(const std::string& c) { setText(QString::fromStdString(c)); }

void Label::setForeColor(const QColor& c) {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, c);
  setPalette(p);
}

Frame::Frame(QWidget* parent, const char* name, const std::string& caption)
    : QGroupBox(QString::fromStdString(caption), parent) {
  setObjectName(QString::fromLatin1(name));
  setAutoFillBackground(true);  // a frame hides what lies under it, the plan view too
}

void Frame::paintEvent(QPaintEvent*) {
  // An etched line round the frame with the caption on its top line, so that
  // controls placed a little below the frame's top lie inside the line.
  QPainter p(this);
  const QFontMetrics fm(font());
  const int mid = fm.height() / 2;
  const QRect box = rect().adjusted(0, mid, -2, -2);
  p.setPen(palette().color(QPalette::Mid));
  p.drawRect(box);
  p.setPen(palette().color(QPalette::Light));
  p.drawRect(box.translated(1, 1));
  const QString caption = title();
  if (caption.isEmpty()) return;
  const QRect text(6, 0, fm.horizontalAdvance(caption) + 6, fm.height());
  p.fillRect(text, palette().window());
  p.setPen(palette().color(QPalette::WindowText));
  p.drawText(text, Qt::AlignCenter, caption);
}

// ---- Combo box ---------------------------------------------------------------

ComboBox::ComboBox(QWidget* parent, const char* name, const std::string& tip) : QComboBox(parent) {
  setObjectName(QString::fromLatin1(name));
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  // The box holds what was typed: no completion from the list, which would
  // turn a new design name into the name of a listed design.
  setCompleter(nullptr);
  setContextMenuPolicy(Qt::NoContextMenu);
  lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
  if (!tip.empty()) setToolTip(QString::fromStdString(tip));
  connect(this, &QComboBox::editTextChanged, this, [this](const QString& t) { takeText(t); });
  connect(this, &QComboBox::activated, this, [this](int i) {
    setText(listItem(i));
    if (onClick) onClick();
  });
}

void ComboBox::setText(const std::string& t) {
  if (t == text_) return;
  {
    const QSignalBlocker block(this);
    setEditText(QString::fromStdString(t));
  }
  takeChangedText(text_, currentText().toStdString(), onChange);
}

void ComboBox::wheelEvent(QWheelEvent* e) { e->ignore(); }

void ComboBox::takeText(const QString& t) { takeChangedText(text_, t.toStdString(), onChange); }

void ComboBox::clearList() {
  {
    const QSignalBlocker block(this);
    clear();
    setEditText(QString());
  }
  if (text_.empty()) return;
  text_.clear();
  if (onChange) onChange();
}

void ComboBox::addItem(const std::string& item) {
  const QSignalBlocker block(this);
  const QString keep = currentText();
  QComboBox::addItem(QString::fromStdString(item));
  if (currentText() != keep) setEditText(keep);
}

std::string ComboBox::listItem(int i) const {
  if (i < 0 || i >= count()) return {};
  return itemText(i).toStdString();
}

void ComboBox::pick(int i) {
  if (i < 0 || i >= count()) return;
  {
    const QSignalBlocker block(this);
    setCurrentIndex(i);
  }
  setText(listItem(i));
  if (onClick) onClick();
}

// ---- Menu item ---------------------------------------------------------------

MenuItem::MenuItem(QMenu* menu, const char* name, const std::string& caption, bool checked)
    : QAction(QString::fromStdString(caption), menu) {
  setObjectName(QString::fromLatin1(name));
  menu->addAction(this);
  setCheckMark(checked);
  connect(this, &QAction::triggered, this, [this] {
    // Qt toggles a checkable action before it reports the trigger; the mark
    // belongs to the handler, so put it back first.
    if (isChecked() != checked_) {
      const QSignalBlocker block(this);
      setChecked(checked_);
    }
    if (onClick) onClick();
  });
}

void MenuItem::setCheckMark(bool on) {
  checked_ = on;
  if (on) {
    setCheckable(true);
    setChecked(true);
  } else {
    setChecked(false);
    setCheckable(false);
  }
}

void MenuItem::choose() { trigger(); }

QAction* addSeparator(QMenu* menu, const char* name) {
  QAction* a = menu->addSeparator();
  a->setObjectName(QString::fromLatin1(name));
  return a;
}

}  // namespace kes
