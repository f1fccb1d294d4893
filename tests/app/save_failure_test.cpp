// Saves on a disk that fills up and through planted links, as the user
// meets them in the Files frame, at exit and in a develop.

#include <QFileInfo>

#include "app_fixture.h"
#include "common/lines.h"
#include "platform/documents.h"
#include "file_size_limit.h"

namespace kes::test {
namespace {

class SaveTest : public AppTest {
 protected:
  // Every name in the folder, hidden ones too.
  std::string allEntries() const {
    return QDir(dir.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name)
        .join(' ')
        .toStdString();
  }
  std::string design(const char* stem) const {
    const std::string s(stem);
    return read((s + ".sal").c_str()) + read((s + ".mld").c_str()) + read((s + ".pnl").c_str());
  }
  // A file outside the folder that a planted link may point at.
  QString plantTarget() {
    EXPECT_TRUE(outside.isValid());
    const QString precious = outside.filePath("precious");
    QFile p(precious);
    EXPECT_TRUE(p.open(QIODevice::WriteOnly) && p.write("keep me") == 7);
    return precious;
  }
  std::string target() const {
    QFile p(outside.filePath("precious"));
    return p.open(QIODevice::ReadOnly) ? p.readAll().toStdString() : "<missing>";
  }

  // The Files frame, the three names typed, "Save" clicked.
  void save(Form1& f, const char* stem) {
    f.Option[4]->click();
    nameDesign(stem, stem, stem);
    click(f.Command[13]);
  }

  QTemporaryDir outside;
};

TEST_F(SaveTest, AFullDiskKeepsTheFilesThatDidNotFitAndNamesThem) {
  Form1& f = start();
  messages.clear();
  save(f, "boat");
  const std::string panels = read("boat.pnl");
  ASSERT_EQ(allEntries(), "boat.mld boat.pnl boat.sal");
  ASSERT_TRUE(messages.empty());

  // Room for the sail and mold files, not for the longer panel file.
  const std::size_t room = std::max(read("boat.sal").size(), read("boat.mld").size()) + 16;
  ASSERT_LT(room, panels.size());
  f.Text[1]->setText("140");
  f.Text[15]->setText("7");
  {
    FileSizeLimit disk(room);
    save(f, "boat");
  }
  // The old panel file, the new sail file, no temporary file left.
  EXPECT_EQ(std::tuple(read("boat.pnl"), allLines(read("boat.sal"))[5], allEntries()),
            std::tuple(panels, " 140 ", "boat.mld boat.pnl boat.sal"));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(std::pair(messages[0].title, messages[0].buttons), std::pair(std::string("Kestrova"), MsgButtons::Ok));
  EXPECT_TRUE(messages[0].prompt.find("boat.pnl") != std::string::npos && messages[0].prompt.find("boat.sal") == std::string::npos);
}

TEST_F(SaveTest, ExitOnAFullDiskKeepsTheLastDesignSaysSoAndStillEnds) {
  start().close();
  const std::string last = design("lastsail");
  Form1& f = start();
  f.Text[1]->setText("140");
  messages.clear();
  {
    FileSizeLimit disk(16);
    f.dummy2->choose();  // File > Exit
  }
  EXPECT_FALSE(f.isVisible());
  ASSERT_EQ(messages.size(), 1u);
  for (const char* name : {"lastsail.sal", "lastsail.mld", "lastsail.pnl"})
    EXPECT_NE(messages[0].prompt.find(name), std::string::npos) << name;
  EXPECT_TRUE(design("lastsail") == last && allEntries().find(".kes-") == std::string::npos);
}

TEST_F(SaveTest, ExitReplacesAPlantedLinkAndLeavesItsTargetAlone) {
  ASSERT_TRUE(QFile::link(plantTarget(), "lastsail.mld"));
  start().close();
  EXPECT_EQ(std::tuple(target(), QFileInfo("lastsail.mld").isSymLink(), allLines(read("lastsail.mld")).size()), std::tuple("keep me", false, 25u));
}

// The develops' scratch file and report are written in place: through a
// planted link they are refused and the run stops, the link's target intact.
TEST_F(SaveTest, DevelopsNeverWriteThroughAPlantedLink) {
  setDocumentOpenerHook([](const std::string&) { return true; });
  Form1& f = start();
  f.Option3_Click();
  f.Text[15]->setText("2");
  const QString precious = plantTarget();
  for (const char* name : {"temp.txt", "results.txt"}) {
    QFile::remove(name);
    ASSERT_TRUE(QFile::link(precious, name));
    expectStops([&f] { f.Command8_Click(); }, std::string("Cannot write ") + name);
    EXPECT_TRUE(target() == "keep me") << name;
    QFile::remove(name);
  }
  setDocumentOpenerHook(nullptr);
}

}  // namespace
}  // namespace kes::test
