#include "platform/system.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "qt_app.h"

namespace {

namespace fs = std::filesystem;
using namespace kes;
using Names = std::vector<std::string>;

TEST(Settings, RoundTripInAnIniFileReadWithoutRegardToCase) {
  QTemporaryDir home;
  qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
  const std::string path = settingsFilePath("Vardeneth");
  EXPECT_EQ(path, home.path().toStdString() + "/Vardeneth.ini");
  EXPECT_EQ(getSetting("Vardeneth", "Settings", "Xscale", "none"), "none");
  saveSetting("Vardeneth", "Settings", "Note", "a, b = c");
  EXPECT_EQ(getSetting("Vardeneth", "Settings", "Note"), "a, b = c");
  // An application name cannot leave the configuration folder.
  EXPECT_EQ(fs::path(settingsFilePath("../../etc/passwd")).parent_path(),
            fs::path(home.path().toStdString()));

  // A hand-written file; saving over a key spelt otherwise replaces it.
  std::ofstream(path) << "[settings]\nXSCALE=-800\nyscale=1,5\n";
  EXPECT_EQ(getSetting("Vardeneth", "Settings", "Yscale"), "1,5");
  saveSetting("Vardeneth", "Settings", "Xscale", "900");
  EXPECT_EQ(getSetting("Vardeneth", "SETTINGS", "xscale"), "900");
  std::ifstream f(path);
  const std::string all((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  EXPECT_EQ(all.find("-800"), std::string::npos);
  qunsetenv("XDG_CONFIG_HOME");
}

TEST(Files, PlotFilePatternsMatchWithoutRegardToCase) {
  QTemporaryDir dir;
  const fs::path old = fs::current_path();
  fs::current_path(dir.path().toStdString());
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
  fs::current_path(old);
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
  EXPECT_FALSE(anotherInstanceRunning());
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
