#pragma once
// Drive, folder and file lists chained as a photo browser: the drive list
// holds "/" and the mounted volumes; the folder list shows where it stands,
// the folders from the root down to its open folder (marked in bold with an
// open-folder look) and then the open folder's subfolders indented below it,
// any of them opened by a double-click; the file list holds the names in its
// folder that match a pattern without regard to case. They never change the
// program's current folder. A folder that cannot be read lists no subfolder.

#include <QComboBox>
#include <QListWidget>
#include <functional>
#include <string>

namespace kes {

class DriveList : public QComboBox {
 public:
  DriveList(QWidget* parent, const char* name);
  std::string drive() const;
  // Shows the volume that holds path, without running onChange.
  void showDriveOf(const std::string& path);
  // As the user choosing an entry: onChange when it differs.
  void choose(int index);
  std::function<void()> onChange;

 private:
  bool quiet_ = false;
};

class DirList : public QListWidget {
 public:
  DirList(QWidget* parent, const char* name);
  const std::string& path() const { return path_; }
  // Opens a folder (made absolute and clean); onChange when it differs.
  void setPath(const std::string& path);
  // As the user double-clicking entry i.
  void open(int i);
  // The folder entry i stands for (empty when there is none).
  std::string folderAt(int i) const;
  std::function<void()> onChange;

 private:
  void fill();
  std::string path_;
};

class FileList : public QListWidget {
 public:
  FileList(QWidget* parent, const char* name, const std::string& pattern);
  const std::string& path() const { return path_; }
  void setPath(const std::string& path);  // lists that folder's matching files
  // The selected name, empty when none is selected.
  std::string fileName() const;
  // As the user clicking entry i: selects it, then onClick.
  void click(int i);
  std::function<void()> onClick;

 private:
  void fill();
  std::string path_, pattern_;
};

}  // namespace kes
