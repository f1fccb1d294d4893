#include "app/form2.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/controls.h"

namespace kes {

Form2::Form2() {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Vestrel Design Sail Analyzer"));
  setFont(designFont());
  // Light grey client area of 9600 x 6915 twips, not laid out on resize.
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
  setPalette(p);
  setAutoFillBackground(true);
  resize(twipsToPixels(9600), twipsToPixels(6915));
}

void Form2::Form_Load() {
  loaded_ = true;
  if (const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
    const QRect avail = s->availableGeometry();
    move(avail.x() + (avail.width() - width()) / 2, avail.y() + (avail.height() - height()) / 2);
  }
}

void Form2::Form_Show() {
  if (!loaded_) Form_Load();
  show();
  raise();
  activateWindow();
}

}  // namespace kes
