#include "platform/file_lookup.h"

#include <QDir>
#include <QFileInfo>

namespace kes {

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
