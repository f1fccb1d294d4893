// Whole files written through a temporary file: what lands on disk, under
// which name, and what is left when the disk refuses a write.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/atomic_file.h"

namespace kes {
namespace {

class InFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    old = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
  }
  void TearDown() override { QDir::setCurrent(old); }

  static void put(const char* name, const std::string& bytes) {
    QFile f(QString::fromLatin1(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes.data(), static_cast<qint64>(bytes.size())), static_cast<qint64>(bytes.size()));
  }
  static std::string read(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("<none>");
  }
  QStringList entries() const {
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                      QDir::Name);
  }

  QTemporaryDir dir;
  QString old;
};

TEST_F(InFolder, NameOnDiskIsTheExistingFileThatDiffersOnlyInCase) {
  put("Boat.SAL", "x");
  put("boat.Sal", "y");
  ASSERT_TRUE(QDir().mkdir("SUB"));
  put("SUB/Genoa.MLD", "z");
  EXPECT_EQ(fileNameOnDisk("boat.sal"), "Boat.SAL");   // first in name order
  EXPECT_EQ(fileNameOnDisk("boat.Sal"), "boat.Sal");   // the exact name wins
  EXPECT_EQ(fileNameOnDisk("new.sal"), "new.sal");     // nothing there: the name itself
  EXPECT_EQ(fileNameOnDisk("sub/genoa.mld"), "sub/genoa.mld");  // the folder part is taken as given
  EXPECT_EQ(fileNameOnDisk("SUB/genoa.mld"), "SUB/Genoa.MLD");
  EXPECT_EQ(fileNameOnDisk("sub"), "sub");             // a folder is not a file to write over
  ASSERT_TRUE(QFile::link("elsewhere.uc", "PNL1.UC"));  // a link is an entry of its own, even dangling
  EXPECT_EQ(fileNameOnDisk("pnl1.uc"), "PNL1.UC");
}

}  // namespace
}  // namespace kes
