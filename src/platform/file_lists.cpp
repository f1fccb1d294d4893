#include "platform/file_lists.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QStyle>
#include <QStorageInfo>
#include <algorithm>

#include "platform/system.h"

namespace kes {

namespace {
std::string cleanFolder(const std::string& path) {
  return QDir::cleanPath(QDir(QString::fromStdString(path)).absolutePath()).toStdString();
}
}  // namespace

// ---- Drives ------------------------------------------------------------------------

DriveList::DriveList(QWidget* parent, const char* name) : QComboBox(parent) {
  setObjectName(QString::fromLatin1(name));
  QStringList roots{QStringLiteral("/")};
  for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
    if (v.isValid() && v.isReady() && !roots.contains(v.rootPath())) roots << v.rootPath();
  std::sort(roots.begin() + 1, roots.end());
  addItems(roots);
  connect(this, &QComboBox::currentIndexChanged, this, [this](int) {
    if (!quiet_ && onChange) onChange();
  });
}

std::string DriveList::drive() const { return currentText().toStdString(); }

void DriveList::showDriveOf(const std::string& path) {
  const QString root = QStorageInfo(QString::fromStdString(path)).rootPath();
  const int i = findText(root.isEmpty() ? QStringLiteral("/") : root);
  quiet_ = true;
  setCurrentIndex(i < 0 ? 0 : i);
  quiet_ = false;
}

void DriveList::choose(int index) {
  if (index >= 0 && index < count()) setCurrentIndex(index);
}

// ---- Folders -----------------------------------------------------------------------

DirList::DirList(QWidget* parent, const char* name) : QListWidget(parent) {
  setObjectName(QString::fromLatin1(name));
  connect(this, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { open(row(item)); });
}

void DirList::setPath(const std::string& path) {
  const std::string p = cleanFolder(path);
  if (p == path_) return;
  path_ = p;
  fill();
  if (onChange) onChange();
}

void DirList::open(int i) {
  const std::string folder = folderAt(i);
  if (!folder.empty()) setPath(folder);
}

std::string DirList::folderAt(int i) const {
  if (i < 0 || i >= count()) return {};
  return item(i)->data(Qt::UserRole).toString().toStdString();
}

void DirList::fill() {
  clear();
  // The open folder and its ancestors, root first.
  QStringList chain{QString::fromStdString(path_)};
  for (;;) {
    const QString parent = QFileInfo(chain.front()).path();  // by name: a gone folder has ancestors too
    if (parent == chain.front() || QDir(chain.front()).isRoot()) break;
    chain.prepend(parent);
  }
  const QIcon openLook = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closedLook = style()->standardIcon(QStyle::SP_DirClosedIcon);
  const auto add = [this](const QString& folder, const QString& shown, int depth, const QIcon& look) {
    auto* it = new QListWidgetItem(look, QString(depth * 2, QLatin1Char(' ')) + shown, this);
    it->setData(Qt::UserRole, folder);
    it->setToolTip(QDir::toNativeSeparators(folder));
    return it;
  };
  for (int depth = 0; depth < chain.size(); ++depth) {
    const QString& folder = chain[depth];
    const QString name = depth == 0 ? QDir::toNativeSeparators(folder) : QDir(folder).dirName();
    add(folder, name, depth, openLook);
  }
  QListWidgetItem* here = item(count() - 1);
  QFont bold = here->font();
  bold.setBold(true);
  here->setFont(bold);

  const QDir dir(QString::fromStdString(path_));
  const int depth = static_cast<int>(chain.size());
  for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
    add(dir.filePath(name), name, depth, closedLook);
  setCurrentItem(here);
  scrollToItem(here);
}

// ---- Files -------------------------------------------------------------------------

FileList::FileList(QWidget* parent, const char* name, const std::string& pattern)
    : QListWidget(parent), pattern_(pattern) {
  setObjectName(QString::fromLatin1(name));
  connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem*) {
    if (onClick) onClick();
  });
}

void FileList::setPath(const std::string& path) {
  path_ = cleanFolder(path);
  fill();
}

std::string FileList::fileName() const {
  const QListWidgetItem* it = currentItem();
  return it && it->isSelected() ? it->text().toStdString() : std::string();
}

void FileList::click(int i) {
  if (i < 0 || i >= count()) return;
  setCurrentRow(i);
  if (onClick) onClick();
}

void FileList::fill() {
  clear();
  const QDir dir(QString::fromStdString(path_));
  QStringList names;
  for (const QString& n : dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase))
    if (matchesPattern(n.toStdString(), pattern_)) names << n;
  addItems(names);
}

}  // namespace kes
