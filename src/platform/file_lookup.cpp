#include "platform/file_lookup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kes {

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
