// The system around the program: whole files written through a temporary
// file (what lands on disk, under which name, and what is left when the disk
// refuses a write), the settings file, plot-file patterns, starting other
// programs, the single-instance claim, the busy pointer.

#include "platform/atomic_file.h"
#include "platform/system.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "file_size_limit.h"
#include "qt_app.h"

namespace kes {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

class InFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    oldDir = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
  }
  void TearDown() override { QDir::setCurrent(oldDir); }

  static void put(const char* name, const std::string& bytes) {
    QFile f(QString::fromLatin1(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes.data(), static_cast<qint64>(bytes.size())), static_cast<qint64>(bytes.size()));
  }
  static mode_t modeOf(const char* name) {
    struct stat st {};
    return stat(name, &st) == 0 ? st.st_mode & 07777 : 0;
  }
  static std::string read(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("<none>");
  }
  // Every name in the folder, hidden ones too, in name order.
  std::string entries() const {
    return QDir(dir.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name)
        .join(' ')
        .toStdString();
  }

  QTemporaryDir dir;
  QString oldDir;
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

TEST_F(InFolder, AFullDiskKeepsTheOldFileAndLeavesNothingBehind) {
  const std::string old = "old sail\r\n";
  put("boat.sal", old);
  const std::string sail(4000, 's');
  std::string why;
  {
    test::FileSizeLimit disk(100);
    EXPECT_TRUE(writeFileAtomically("small.mld", std::string(100, 'm')));  // what fits is written
    EXPECT_FALSE(writeFileAtomically("boat.sal", sail, &why));
    EXPECT_FALSE(writeFileInPlace("temp.txt", sail));
    EXPECT_FALSE(appendToFile("small.mld", "x"));
  }
  EXPECT_FALSE(why.empty());
  EXPECT_EQ(read("boat.sal"), old);
  EXPECT_EQ(entries(), "boat.sal small.mld temp.txt");
  EXPECT_EQ(read("small.mld"), std::string(100, 'm'));
  // Room again: the same write goes through.
  EXPECT_TRUE(writeFileAtomically("boat.sal", sail, &why));
  EXPECT_EQ(read("boat.sal"), sail);
}

TEST_F(InFolder, WholeFilesKeepTheOldModeAndNewOnesAreReadableByAll) {
  put("pnl1.UC", "start_plot\r\n");
  ASSERT_EQ(chmod("pnl1.UC", 0640), 0);
  ASSERT_TRUE(writeFileAtomically("pnl1.UC", "end_plot\r\n"));
  ASSERT_TRUE(writeFileAtomically("pnl2.UC", "end_plot\r\n"));
  const mode_t mask = umask(022);
  umask(mask);
  EXPECT_EQ(std::pair(modeOf("pnl1.UC"), modeOf("pnl2.UC")), std::pair(mode_t{0640}, 0666 & ~mask));
  EXPECT_EQ(read("pnl1.UC"), "end_plot\r\n");
  // A folder where the file should go, or a folder that is not there:
  // refused, nothing left behind.
  ASSERT_TRUE(QDir().mkdir("rad0_2.UC"));
  EXPECT_FALSE(writeFileAtomically("rad0_2.UC", "x"));
  EXPECT_FALSE(writeFileAtomically("none/rad0_3.UC", "x"));
  EXPECT_EQ(entries(), "pnl1.UC pnl2.UC rad0_2.UC");
}

TEST_F(InFolder, WritesNeverGoThroughALink) {
  QTemporaryDir outside;
  ASSERT_TRUE(outside.isValid());
  const QString precious = outside.filePath("precious");
  put(precious.toLocal8Bit().constData(), "keep me");
  for (const char* link : {"linked.sal", "temp.txt", "results.txt"}) ASSERT_TRUE(QFile::link(precious, link));
  // A file written whole replaces the link itself.
  EXPECT_TRUE(writeFileAtomically("linked.sal", "sail"));
  EXPECT_TRUE(QFileInfo("linked.sal").isFile() && !QFileInfo("linked.sal").isSymLink());
  EXPECT_EQ(read("linked.sal"), "sail");
  // One written in place or added to is refused.
  EXPECT_FALSE(writeFileInPlace("temp.txt", "turned"));
  EXPECT_FALSE(appendToFile("results.txt", "panel 1"));
  EXPECT_EQ(read(precious), "keep me");
}

TEST_F(InFolder, CaseOfTheNameOnDiskIsKeptByEveryWriter) {
  put("Boat.SAL", "old");
  put("RESULTS.TXT", "head\r\n");
  put("Temp.Txt", "old");
  EXPECT_TRUE(writeFileAtomically("boat.sal", "new"));
  EXPECT_TRUE(appendToFile("results.txt", "line\r\n"));
  EXPECT_TRUE(writeFileInPlace("temp.txt", "turned"));
  EXPECT_EQ(entries(), "Boat.SAL RESULTS.TXT Temp.Txt");
  EXPECT_EQ(read("Boat.SAL") + read("RESULTS.TXT") + read("Temp.Txt"), "newhead\r\nline\r\nturned");
}

// A program killed in the middle of a save leaves its temporary file under
// the writer's hidden name; the next start removes exactly those.
TEST_F(InFolder, AProgramKilledDuringASaveLeavesATemporaryFileTheNextStartRemoves) {
  put("lastsail.pnl", "old panels");
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // The kernel kills a program that writes past its file size limit.
    rlimit small{};
    getrlimit(RLIMIT_FSIZE, &small);
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    writeFileAtomically("lastsail.pnl", std::string(4000, 'p'));
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
  const QStringList left = QDir().entryList(QDir::Files | QDir::Hidden, QDir::Name);
  ASSERT_EQ(left.size(), 2);
  EXPECT_TRUE(isWriterTemporaryName(left[0].toStdString())) << left[0].toStdString();
  EXPECT_EQ(read("lastsail.pnl"), "old panels");

  // Names that only look alike stay, as does anything in a folder below.
  const char* keep[] = {".lastsail.pnl.kes-AbC12", "lastsail.pnl.kes-AbC123", ".lastsail.pnl.kes-AbC12_",
                        ".kes-AbC123", ".x.kes-AbC1234", ".x.KES-AbC123"};
  for (const char* name : keep) put(name, "user's");
  ASSERT_TRUE(QDir().mkpath("sub"));
  put("sub/.boat.sal.kes-AbC123", "below");
  put(".boat.sal.kes-9zZ000", "stale");
  EXPECT_EQ(removeStaleTemporaryFiles(), 2);
  EXPECT_EQ(entries(),
            ".kes-AbC123 .lastsail.pnl.kes-AbC12 .lastsail.pnl.kes-AbC12_ .x.KES-AbC123 .x.kes-AbC1234 "
            "lastsail.pnl lastsail.pnl.kes-AbC123 sub");
  EXPECT_TRUE(QFile::exists("sub/.boat.sal.kes-AbC123"));
}

// ------------------------------------------------------------ settings, plot files, programs

TEST_F(InFolder, SettingsRoundTripInAnIniFileReadWithoutRegardToCase) {
  qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
  const std::string path = settingsFilePath("Vardeneth");
  EXPECT_EQ(path, dir.path().toStdString() + "/Vardeneth.ini");
  EXPECT_EQ(getSetting("Vardeneth", "Settings", "Xscale", "none"), "none");
  saveSetting("Vardeneth", "Settings", "Note", "a, b = c");
  EXPECT_EQ(getSetting("Vardeneth", "Settings", "Note"), "a, b = c");
  // An application name cannot leave the configuration folder.
  EXPECT_EQ(fs::path(settingsFilePath("../../etc/passwd")).parent_path(), fs::path(dir.path().toStdString()));

  // A hand-written file; saving over a key spelt otherwise replaces it.
  std::ofstream(path) << "[settings]\nXSCALE=-800\nyscale=1,5\n";
  EXPECT_EQ(getSetting("Vardeneth", "Settings", "Yscale"), "1,5");
  saveSetting("Vardeneth", "Settings", "Xscale", "900");
  EXPECT_EQ(getSetting("Vardeneth", "SETTINGS", "xscale"), "900");
  EXPECT_EQ(read(QString::fromStdString(path)).find("-800"), std::string::npos);
  qunsetenv("XDG_CONFIG_HOME");
}

TEST_F(InFolder, PlotFilePatternsMatchWithoutRegardToCase) {
  for (const char* d : {"sub", "folder.uc"}) fs::create_directory(d);
  for (const char* f : {"pnl1.UC", "b.uc", "rad2_3.Uc", "a.ucx", "lastsail.sal", "sub/Tack1.UC"})
    std::ofstream(f) << "x\n";

  EXPECT_EQ(listFiles("*.uc"), (Names{"b.uc", "pnl1.UC", "rad2_3.Uc"}));
  EXPECT_EQ(listFiles("sub/t?ck*.uc"), (Names{"sub/Tack1.UC"}));
  EXPECT_EQ(listFiles("p?l*.uc"), (Names{"pnl1.UC"}));
  EXPECT_EQ(findFile("LASTSAIL.SAL"), "lastsail.sal");
  EXPECT_FALSE(fileExists("folder.uc"));  // folders do not count
  EXPECT_EQ(deleteFiles("*.uc"), 3);
  EXPECT_EQ(deleteFiles("*.uc"), 0);  // nothing left: no failure
  EXPECT_TRUE(fs::is_directory("folder.uc"));
}

TEST(StartProgram, AMissingProgramIsNotStartedAndAWindowsNameIsFound) {
  test::qtApp();
  for (const char* name : {"KESTROVA_NO_SUCH_PROGRAM.EXE", "", "   "})
    EXPECT_FALSE(startProgram(name)) << name;
  EXPECT_EQ(startProgram("TRUE.EXE"), !QStandardPaths::findExecutable("true").isEmpty());
}

// ------------------------------------------------------------ single instance

// Run in a child copy of this test program: claims the instance named by
// KES_TEST_CLAIM and ends at once, without giving the claim up (as a crash would).
TEST(SingleInstanceChild, ClaimAndVanish) {
  const char* name = std::getenv("KES_TEST_CLAIM");
  if (name == nullptr) GTEST_SKIP() << "only run as a child";
  setSingleInstanceName(name);
  std::_Exit(anotherInstanceRunning() ? 3 : 4);
}

int childClaim(const std::string& name) {
  QProcess p;  // killed on the way out if it never ends
  qputenv("KES_TEST_CLAIM", QByteArray::fromStdString(name));  // the child inherits it
  p.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
  qunsetenv("KES_TEST_CLAIM");
  p.start(QCoreApplication::applicationFilePath(),
          {QStringLiteral("--gtest_filter=SingleInstanceChild.ClaimAndVanish")});
  const bool ended = p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit;
  return ended ? p.exitCode() : -1;
}

TEST(SingleInstance, TheFirstCopyHoldsTheClaimAndASecondCopySeesIt) {
  test::qtApp();
  const std::string name = "kestrova-test-" + std::to_string(QCoreApplication::applicationPid());
  setSingleInstanceName(name);
  setSingleInstanceCheckEnabled(true);
  // The first takes the claim; asking again in the holder changes nothing.
  EXPECT_FALSE(anotherInstanceRunning() || anotherInstanceRunning());
  EXPECT_EQ(childClaim(name), 3);          // a second copy sees the first

  releaseSingleInstance();
  EXPECT_EQ(childClaim(name), 4);  // the child claims and vanishes, leaving its lock
  EXPECT_TRUE(fs::exists(singleInstanceLockPath()));
  EXPECT_FALSE(anotherInstanceRunning());  // a stale lock does not block

  setSingleInstanceCheckEnabled(false);  // as tests switch it off
  setSingleInstanceName("kestrova");
}

TEST(BusyPointerAndEvents, PointerIsASettingAndDoEventsRunsPendingEvents) {
  test::qtApp();
  for (int i = 0; i < 2; ++i) setBusyPointer(true);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  setBusyPointer(false);  // a setting, not a count
  EXPECT_FALSE(busyPointer() || QGuiApplication::overrideCursor());

  bool ran = false;
  QMetaObject::invokeMethod(qApp, [&] { ran = true; }, Qt::QueuedConnection);
  doEvents();
  EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace kes
