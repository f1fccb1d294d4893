#include "platform/whole_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kes {

bool writeWholeFile(const std::string& path, std::string_view bytes) {
  if (path.empty()) return false;
  QSaveFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::WriteOnly)) return false;
  if (f.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
    f.cancelWriting();
    return false;
  }
  return f.commit();
}

std::optional<std::string> readFileStart(const std::string& path, std::size_t maxBytes) {
  QFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray data = f.read(static_cast<qint64>(maxBytes));
  if (data.isEmpty() && f.error() != QFileDevice::NoError) return std::nullopt;
  return data.toStdString();
}

std::string findFileNoCase(const std::string& path) {
  const QFileInfo info(QString::fromStdString(path));
  if (info.isFile()) return path;
  const QDir dir = info.dir();
  const QString name = info.fileName();
  if (name.isEmpty()) return {};
  for (const QString& n : dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name))
    if (n.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(n).toStdString();
  return {};
}

}  // namespace kes
