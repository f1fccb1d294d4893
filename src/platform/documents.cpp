#include "platform/documents.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace kes {

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }
bool (*openerHook)(const std::string&) = nullptr;
}  // namespace

void setDocumentOpenerHook(bool (*hook)(const std::string& name)) { openerHook = hook; }

bool openDocument(const std::string& name) {
  if (openerHook != nullptr) return openerHook(name);
  const QFileInfo info(q(name));
  if (!info.isFile()) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}

}  // namespace kes
