#include "platform/documents.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUrl>

namespace kes {

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }
bool (*openerHook)(const std::string&) = nullptr;
}  // namespace

bool replaceFile(const std::string& name, std::string_view text) {
  QSaveFile f(q(name));
  if (!f.open(QIODevice::WriteOnly)) return false;
  const auto size = static_cast<qint64>(text.size());
  if (f.write(text.data(), size) != size) {
    f.cancelWriting();
    return false;
  }
  return f.commit();
}

bool appendToFile(const std::string& name, std::string_view text) {
  QFile f(q(name));
  if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
  const auto size = static_cast<qint64>(text.size());
  const bool written = f.write(text.data(), size) == size;
  const bool flushed = f.flush();
  f.close();
  return written && flushed && f.error() == QFileDevice::NoError;
}

void setDocumentOpenerHook(bool (*hook)(const std::string& name)) { openerHook = hook; }

bool openDocument(const std::string& name) {
  if (openerHook != nullptr) return openerHook(name);
  const QFileInfo info(q(name));
  if (!info.isFile()) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}

}  // namespace kes
