#pragma once
// The window controls the sail's procedures are written against, on Qt
// widgets, with the behaviour those procedures rely on:
//
// - a value or text set from code runs the control's change or click handler
//   at once, inside the statement that set it, and only when the value really
//   changes; a handler that writes its own or another control runs that
//   control's handler again at once (handlers nest);
// - scroll bars and name boxes take no mouse wheel and show no context menu,
//   so a stray wheel notch never changes a value or picks a design;
// - a scroll bar refuses a value from code outside its range (Qt would clamp)
//   and its left or top end may carry the larger value;
// - check boxes hold 0, 1 or 2 (2 is greyed, set only by code);
// - a menu item's check mark is its only storage and a click does not toggle it;
// - every control is placed in twips (15 per device-independent pixel)
//   relative to its container's client area.
//
// Handlers are plain std::function members: none of these classes needs moc.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <functional>
#include <string>
#include <vector>

class QMenu;

namespace kes {

// ---- Twips -----------------------------------------------------------------

inline constexpr double kTwipsPerPixel = 15.0;

// Nearest whole pixel of a twip coordinate (halves away from zero).
int twipsToPixels(double twips);

struct TwipRect {
  double left = 0, top = 0, width = 0, height = 0;
};

// Places a widget in twips relative to its parent's client area. Each edge is
// rounded to the nearest pixel, so neighbouring controls stay flush. The twip
// values are remembered: reading them back gives what was set (6757.5), not
// the pixel-rounded value.
void setTwipRect(QWidget* w, const TwipRect& r);
void setTwipRect(QWidget* w, double left, double top, double width, double height);
void setTwipLeft(QWidget* w, double left);
void setTwipTop(QWidget* w, double top);
void setTwipWidth(QWidget* w, double width);
void setTwipHeight(QWidget* w, double height);
// The remembered twip rectangle, or the pixel geometry in twips when none was set.
TwipRect twipRect(const QWidget* w);

// The font the designed control sizes are made for (about 8 pt).
QFont designFont();

// ---- Text box ----------------------------------------------------------------

class TextBox : public QLineEdit {
 public:
  TextBox(QWidget* parent, const char* name, const std::string& startText = {},
          const std::string& tip = {});

  const std::string& text() const { return text_; }
  // Sets the text; runs onChange when it differs from the text held.
  void setText(const std::string& t);

  std::function<void()> onChange;    // every real change, typed or set by code
  std::function<void()> onGotFocus;  // the box receives the focus

 protected:
  void focusInEvent(QFocusEvent* e) override;

 private:
  void takeText(const QString& t);
  std::string text_;
};

// ---- Scroll bar --------------------------------------------------------------

class ScrollBar : public QScrollBar {
 public:
  ScrollBar(Qt::Orientation o, QWidget* parent, const char* name, const std::string& tip = {});

  // minEnd is the value at the left (or top) end, maxEnd at the right (or
  // bottom) end; either may be the larger. The arrow and the track at the
  // left or top end move the value toward minEnd, those at the other end
  // toward maxEnd. The value is moved into the new range without running a
  // handler.
  void setMinMax(int minEnd, int maxEnd);
  int minEnd() const { return minEnd_; }
  int maxEnd() const { return maxEnd_; }
  void setSmallChange(int step) { setSingleStep(step); }
  void setLargeChange(int step) { setPageStep(step); }

  // The bar's value, also while its thumb is dragged.
  int value() const { return fromBar(QScrollBar::value()); }
  // Sets the value from code. A value outside the range is refused: nothing
  // changes and false is returned. Runs onChange when the value changes.
  bool setValue(int v);

  std::function<void()> onChange;  // a real change: arrows, track, code, thumb released
  std::function<void()> onScroll;  // while the thumb is dragged

 protected:
  void wheelEvent(QWheelEvent* e) override;

 private:
  // Qt's bar always has its smaller value at the left or top end; a bar whose
  // left or top end carries the larger value mirrors its values within the
  // range, so that Qt's arrows, track and keys move it the designed way.
  int fromBar(int q) const { return reversed_ ? minimum() + maximum() - q : q; }
  int toBar(int v) const { return fromBar(v); }
  void takeValue();
  void thumbReleased();
  int minEnd_ = 0, maxEnd_ = 32767;
  bool reversed_ = false;
  int last_ = 0;  // the value of the last change handed to onChange
};

// ---- Check box ---------------------------------------------------------------

class CheckBox : public QCheckBox {
 public:
  CheckBox(QWidget* parent, const char* name, const std::string& caption,
           const std::string& tip = {}, int startValue = 0);

  int value() const { return value_; }  // 0 unticked, 1 ticked, 2 greyed
  // Refused (false, nothing changes) for a value other than 0, 1, 2.
  // Runs onClick when the value changes.
  bool setValue(int v);

  std::function<void()> onClick;  // the value changed, by the user or by code

 protected:
  void nextCheckState() override;  // a click toggles between 0 and 1

 private:
  void takeState(int state);
  int value_ = 0;
};

// ---- Option button -----------------------------------------------------------

// Option buttons with the same parent form one group: selecting one clears
// the others.
class OptionButton : public QRadioButton {
 public:
  OptionButton(QWidget* parent, const char* name, const std::string& caption,
               const std::string& tip = {});

  bool value() const { return isChecked(); }
  // True selects it (clearing the others of its group) and runs onClick when
  // it was not selected; false clears it without selecting another.
  void setValue(bool selected);
  // A user's click on the button already selected runs onClick too.
  void setClickWhenSelected(bool on) { clickWhenSelected_ = on; }

  std::function<void()> onClick;  // became selected, by the user or by code

 private:
  bool clickWhenSelected_ = false;
  bool selectedAtPress_ = false;
};

// ---- Command button ----------------------------------------------------------

class CommandButton : public QPushButton {
 public:
  CommandButton(QWidget* parent, const char* name, const std::string& caption,
                const std::string& tip = {});

  std::function<void()> onClick;
  // Button codes: 1 left, 2 right, 4 middle.
  std::function<void(int button)> onMouseDown, onMouseUp;

  static int buttonCode(Qt::MouseButton b);

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
};

// ---- Label and frame ---------------------------------------------------------

class Label : public QLabel {
 public:
  Label(QWidget* parent, const char* name, const std::string& caption,
        const std::string& tip = {});
  std::string caption() const;
  void setCaption(const std::string& c);
  void setForeColor(const QColor& c);
};

class Frame : public QGroupBox {
 public:
  Frame(QWidget* parent, const char* name, const std::string& caption);

 protected:
  void paintEvent(QPaintEvent* e) override;
};

// ---- Combo box ---------------------------------------------------------------

// An editable name box with a drop-down list.
class ComboBox : public QComboBox {
 public:
  ComboBox(QWidget* parent, const char* name, const std::string& tip = {});

  const std::string& text() const { return text_; }
  void setText(const std::string& t);  // runs onChange when the text changes

  // Empties the list and the text (onChange when the text was not empty).
  void clearList();
  // Adds an entry at the end of the list; the text stays as it is.
  void addItem(const std::string& item);
  int listCount() const { return count(); }
  std::string listItem(int i) const;
  // As the user picking entry i of the list: the text becomes the entry
  // (onChange when it differs), then onClick.
  void pick(int i);

  std::function<void()> onChange;  // every real change of the text
  std::function<void()> onClick;   // the user picked an entry of the list

 protected:
  void wheelEvent(QWheelEvent* e) override;

 private:
  void takeText(const QString& t);
  std::string text_;
  bool quiet_ = false;
};

// ---- Menu item ---------------------------------------------------------------

// A menu command whose check mark is its only storage: choosing it runs
// onClick and leaves the mark to the handler.
class MenuItem : public QAction {
 public:
  MenuItem(QMenu* menu, const char* name, const std::string& caption, bool checked = false);

  bool checked() const { return checked_; }
  void setCheckMark(bool on);
  void choose();  // as the user choosing it

  std::function<void()> onClick;

 private:
  bool checked_ = false;
};

// A separator with its designed name.
QAction* addSeparator(QMenu* menu, const char* name);

}  // namespace kes
