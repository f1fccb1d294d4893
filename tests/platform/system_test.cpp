#include "platform/system.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "qt_app.h"

namespace {

namespace fs = std::filesystem;
using namespace kes;
using Names = std::vector<std::string>;

// ------------------------------------------------------------ settings

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home.isValid());
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) saved = old;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
  }
  void TearDown() override {
    if (saved)
      qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(*saved));
    else
      qunsetenv("XDG_CONFIG_HOME");
  }
  QTemporaryDir home;
  std::optional<std::string> saved;
};

TEST_F(SettingsTest, RoundTripInAnIniFileReadWithoutRegardToCase) {
  const std::string path = settingsFilePath("Vardeneth");
  EXPECT_EQ(path, home.path().toStdString() + "/Vardeneth.ini");
  EXPECT_EQ(getSetting("Vardeneth", "Settings", "Xscale", "none"), "none");
  saveSetting("Vardeneth", "Settings", "Note", "a, b = c");
  EXPECT_EQ(getSetting("Vardeneth", "Settings", "Note"), "a, b = c");
  EXPECT_EQ(getSetting("Vardeneth", "Other", "Note"), "");
  EXPECT_EQ(getSetting("Another", "Settings", "Note"), "");
  // An application name cannot leave the configuration folder.
  EXPECT_EQ(fs::path(settingsFilePath("../../etc/passwd")).parent_path(),
            fs::path(home.path().toStdString()));

  // A hand-written file; saving over a key spelt otherwise replaces it.
  std::ofstream(path) << "[settings]\nXSCALE=-800\nyscale=1,5\n";
  EXPECT_EQ(getSetting("Vardeneth", "Settings", "Xscale"), "-800");
  EXPECT_EQ(getSetting("Vardeneth", "Settings", "Yscale"), "1,5");
  saveSetting("Vardeneth", "Settings", "Xscale", "900");
  EXPECT_EQ(getSetting("Vardeneth", "SETTINGS", "xscale"), "900");
  std::ifstream f(path);
  const std::string all((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  EXPECT_EQ(all.find("-800"), std::string::npos);
  EXPECT_EQ(all.find("Xscale"), std::string::npos);
}

// ------------------------------------------------------------ files by pattern

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    old = fs::current_path();
    fs::current_path(dir.path().toStdString());
  }
  void TearDown() override { fs::current_path(old); }
  static void touch(const std::string& name) { std::ofstream(name) << "x\n"; }
  QTemporaryDir dir;
  fs::path old;
};

TEST_F(FilesTest, PlotFilePatternsMatchWithoutRegardToCase) {
  for (const char* f : {"pnl1.UC", "b.uc", "rad2_3.Uc", "a.ucx", "a.pic", "lastsail.sal", "uc"}) touch(f);
  fs::create_directory("folder.uc");
  fs::create_directory("sub");
  touch("sub/Tack1.UC");

  EXPECT_EQ(listFiles("*.uc"), (Names{"b.uc", "pnl1.UC", "rad2_3.Uc"}));
  EXPECT_EQ(listFiles("rad?_*.UC"), (Names{"rad2_3.Uc"}));
  EXPECT_EQ(listFiles("sub/tack*.uc"), (Names{"sub/Tack1.UC"}));
  EXPECT_TRUE(listFiles("nosuchfolder/*.uc").empty());
  EXPECT_EQ(findFile("LASTSAIL.SAL"), "lastsail.sal");
  EXPECT_TRUE(fileExists("LASTSAIL.SAL"));
  EXPECT_FALSE(fileExists("lastsail.mld"));
  EXPECT_FALSE(fileExists("folder.uc"));  // folders do not count

  EXPECT_EQ(deleteFiles("*.uc"), 3);
  EXPECT_EQ(deleteFiles("*.pic"), 1);
  EXPECT_EQ(deleteFiles("*.pic"), 0);  // nothing left: no failure
  EXPECT_TRUE(fs::exists("a.ucx"));
  EXPECT_TRUE(fs::exists("uc"));
  EXPECT_TRUE(fs::is_directory("folder.uc"));
}

TEST(Patterns, Wildcards) {
  const struct {
    const char *name, *pattern;
    bool match;
  } cases[] = {{"rclew1.uc", "*clew*.uc", true}, {"clew1.uc", "rclew*.uc", false},
               {"a.b.uc", "*.uc", true},         {"a.uc.bak", "*.uc", false},
               {"ac", "a?c", false},             {"noextension", "*.*", true},
               {"", "*", true},                  {"x", "", false}};
  for (const auto& c : cases)
    EXPECT_EQ(matchesPattern(c.name, c.pattern), c.match) << c.name << " " << c.pattern;
}

// ------------------------------------------------------------ programs

Names started;
bool recordStart(const std::string& name, const std::vector<std::string>& args) {
  started.push_back(name);
  started.insert(started.end(), args.begin(), args.end());
  return true;
}

TEST(StartProgram, AMissingProgramIsNotStartedAndAWindowsNameIsFound) {
  test::qtApp();
  for (const char* name : {"KESTROVA_NO_SUCH_PROGRAM.EXE", "", "   "})
    EXPECT_FALSE(startProgram(name)) << name;
  if (!QStandardPaths::findExecutable("true").isEmpty()) {
    EXPECT_TRUE(startProgram("TRUE.EXE"));
  }

  started.clear();
  setProgramStarterHook(&recordStart);
  EXPECT_TRUE(startProgram("notepad.exe", {"results.txt"}));
  setProgramStarterHook(nullptr);
  EXPECT_EQ(started, (Names{"notepad.exe", "results.txt"}));
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
  QProcess p;
  auto env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("KES_TEST_CLAIM"), QString::fromStdString(name));
  p.setProcessEnvironment(env);
  p.start(QCoreApplication::applicationFilePath(),
          {QStringLiteral("--gtest_filter=SingleInstanceChild.ClaimAndVanish")});
  if (!p.waitForFinished(120000)) {
    p.kill();
    p.waitForFinished();
    return -1;
  }
  return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
}

class SingleInstanceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::qtApp();
    name = "kestrova-test-" + std::to_string(QCoreApplication::applicationPid());
    setSingleInstanceName(name);
    setSingleInstanceCheckEnabled(true);
  }
  void TearDown() override {
    releaseSingleInstance();
    QFile::remove(QString::fromStdString(singleInstanceLockPath()));
    setSingleInstanceName("kestrova");
  }
  std::string name;
};

TEST_F(SingleInstanceTest, TheFirstCopyHoldsTheClaimAndASecondCopySeesIt) {
  EXPECT_FALSE(anotherInstanceRunning());  // first: takes the claim
  EXPECT_FALSE(anotherInstanceRunning());  // asking again in the holder changes nothing
  EXPECT_EQ(childClaim(name), 3);          // a second copy sees the first

  releaseSingleInstance();
  EXPECT_FALSE(fs::exists(singleInstanceLockPath()));
  EXPECT_EQ(childClaim(name), 4);  // the child claims and vanishes, leaving its lock
  EXPECT_TRUE(fs::exists(singleInstanceLockPath()));
  EXPECT_FALSE(anotherInstanceRunning());  // a stale lock does not block

  releaseSingleInstance();
  QLockFile other(QString::fromStdString(singleInstanceLockPath()));
  ASSERT_TRUE(other.tryLock(0));
  EXPECT_TRUE(anotherInstanceRunning());
  setSingleInstanceCheckEnabled(false);  // as tests switch it off
  EXPECT_FALSE(anotherInstanceRunning());
}

// ------------------------------------------------------------ events and pointer

TEST(BusyPointerAndEvents, PointerIsASettingAndDoEventsRunsPendingEvents) {
  test::qtApp();
  setBusyPointer(true);
  setBusyPointer(true);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  setBusyPointer(false);  // a setting, not a count
  EXPECT_FALSE(busyPointer() || QGuiApplication::overrideCursor());

  bool ran = false;
  QMetaObject::invokeMethod(QCoreApplication::instance(), [&] { ran = true; }, Qt::QueuedConnection);
  doEvents();
  EXPECT_TRUE(ran);
}

}  // namespace
