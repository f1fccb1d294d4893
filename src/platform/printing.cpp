#include "platform/printing.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace kes {

namespace {
bool printersEnabled = true;

bool paintPage(QPrinter& printer, const QPixmap& shot) {
  QPainter p;
  if (!p.begin(&printer)) return false;
  const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
  const QSizeF size = QSizeF(shot.size()).scaled(page.size(), Qt::KeepAspectRatio);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  p.drawPixmap(QRectF(QPointF(0, 0), size), shot, QRectF(shot.rect()));
  return p.end();
}
}  // namespace

void setPrintersEnabled(bool enabled) { printersEnabled = enabled; }

PrintResult printWindow(QWidget* window, const std::string& pdfName) {
  if (!window) return PrintResult::Failed;
  const QPixmap shot = window->grab();
  if (shot.isNull()) return PrintResult::Failed;
  const QPrinterInfo info = printersEnabled ? QPrinterInfo::defaultPrinter() : QPrinterInfo();
  if (!info.isNull()) {
    QPrinter printer(info, QPrinter::HighResolution);
    if (paintPage(printer, shot)) return PrintResult::Printed;
  }
  QPrinter pdf(QPrinter::HighResolution);
  pdf.setOutputFormat(QPrinter::PdfFormat);
  pdf.setOutputFileName(QString::fromStdString(pdfName));
  return paintPage(pdf, shot) ? PrintResult::WrotePdf : PrintResult::Failed;
}

}  // namespace kes
