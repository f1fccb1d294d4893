// Files replaced in one step.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/documents.h"

namespace kes {
namespace {

std::string read(const QString& name) {
  QFile f(name);
  return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("<none>");
}

TEST(ReplaceFile, WholeTextInOneStepAndNothingLeftOnFailure) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString name = dir.filePath("rad0_1.UC");
  ASSERT_TRUE(replaceFile(name.toStdString(), "start_plot\r\n"));
  EXPECT_EQ(read(name), "start_plot\r\n");
  EXPECT_TRUE(QFile::permissions(name) & QFileDevice::ReadOther);  // not the scratch file's 0600
  ASSERT_TRUE(replaceFile(name.toStdString(), "end_plot\r\n"));
  EXPECT_EQ(read(name), "end_plot\r\n");
  // A folder where the file should go: refused, the folder stays, no
  // scratch file is left behind.
  ASSERT_TRUE(QDir(dir.path()).mkdir("rad0_2.UC"));
  EXPECT_FALSE(replaceFile(dir.filePath("rad0_2.UC").toStdString(), "x"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"rad0_1.UC"});
  // A folder that does not exist.
  EXPECT_FALSE(replaceFile(dir.filePath("none/rad0_3.UC").toStdString(), "x"));
}

}  // namespace
}  // namespace kes
