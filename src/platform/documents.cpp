#include "platform/documents.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QUrl>
#include <filesystem>
#include <system_error>

namespace kes {

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }
bool (*openerHook)(const std::string&) = nullptr;
}  // namespace

bool replaceFile(const std::string& name, std::string_view text) {
  // A new file beside the old one, renamed over it when whole. (No flush to
  // the disk itself: a run writes dozens of files and waits on none.)
  const QFileInfo target(q(name));
  QTemporaryFile f(target.absolutePath() + QLatin1String("/.kes_XXXXXX"));
  if (!f.open()) return false;
  const auto size = static_cast<qint64>(text.size());
  if (f.write(text.data(), size) != size || !f.flush()) return false;
  f.close();
  if (f.error() != QFileDevice::NoError) return false;
  f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                   QFileDevice::ReadOther);
  std::error_code ec;
  std::filesystem::rename(f.fileName().toStdString(), name, ec);
  if (ec) return false;  // the new file goes with f; the old one stays as it was
  f.setAutoRemove(false);
  return true;
}

namespace {
bool writeOpen(const std::string& name, std::string_view text, QIODevice::OpenMode mode) {
  QFile f(q(name));
  if (!f.open(mode)) return false;
  const auto size = static_cast<qint64>(text.size());
  const bool written = f.write(text.data(), size) == size;
  const bool flushed = f.flush();
  f.close();
  return written && flushed && f.error() == QFileDevice::NoError;
}
}  // namespace

bool overwriteFile(const std::string& name, std::string_view text) {
  return writeOpen(name, text, QIODevice::WriteOnly | QIODevice::Truncate);
}

bool appendToFile(const std::string& name, std::string_view text) {
  return writeOpen(name, text, QIODevice::WriteOnly | QIODevice::Append);
}

void setDocumentOpenerHook(bool (*hook)(const std::string& name)) { openerHook = hook; }

bool openDocument(const std::string& name) {
  if (openerHook != nullptr) return openerHook(name);
  const QFileInfo info(q(name));
  if (!info.isFile()) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}

}  // namespace kes
