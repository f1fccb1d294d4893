// The analyser window as a user meets it: photos opened from the file list,
// cambers traced, picked and dragged with the mouse, the zoom box, the grid,
// Save and Print. Photos are small BMPs made by each test.

#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QTest>

#include "app/form2.h"
#include "app_fixture.h"
#include "platform/printing.h"

namespace kes::test {
namespace {

// The points of the worked camber, in twips, and its row.
const std::pair<double, double> kWorkedPoints[] = {{500.0, 1000.0}, {1200.0, 720.0}, {2480.0, 1000.0}};
using Row = std::vector<std::string>;
const Row kWorked{"26.9", "15.1", "46.5", "0.0", "22.7"};

class AnalyserTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    setPrintersEnabled(false);
  }
  void TearDown() override {
    own.reset();
    setPrintersEnabled(true);
    AppTest::TearDown();
  }

  // The analyser with main.bmp, a 300 x 200 photo, opened from the list.
  Form2& openMain() {
    photo("main.bmp", 300, 200);
    open();
    pick("main.bmp");
    return *an;
  }
  Form2& open() {
    own = std::make_unique<Form2>();
    an = own.get();
    an->Form_Show();
    QCoreApplication::processEvents();
    return *an;
  }

  void photo(const char* name, int w, int h) const {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(qRgb(40, 90, 160));
    ASSERT_TRUE(img.save(QDir(dir.path()).filePath(QString::fromLatin1(name)), "BMP"));
  }
  // A 16-bit BMP written header and rows by hand (Qt holds it at 4 bytes a
  // pixel); with no rows only its header, which is all a size check reads.
  void bmp16(const char* name, int w, int h, bool rows) const {
    const quint32 rowBytes = (static_cast<quint32>(w) * 2 + 3) & ~3u, data = rowBytes * static_cast<quint32>(h);
    QFile f(QDir(dir.path()).filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    QDataStream out(&f);
    out.setByteOrder(QDataStream::LittleEndian);
    // Size, rows' offset, info header's size, width, height, planes, 5-5-5 bits, no compression, data size.
    out << quint8('B') << quint8('M') << 54 + data << 0u << 54u << 40u << qint32(w) << qint32(h) << quint16(1)
        << quint16(16) << 0u << data << 0u << 0u << 0u << 0u;
    if (!rows) return;
    const QByteArray row(static_cast<qsizetype>(rowBytes), '\x1f');
    for (int y = 0; y < h; ++y) ASSERT_EQ(f.write(row), row.size());
  }

  // Lists the folder afresh and clicks the named photo.
  void pick(const char* name) {
    an->File1->setPath(an->Dir1->path());
    for (int i = 0; i < an->File1->count(); ++i)
      if (an->File1->item(i)->text() == QString::fromLatin1(name)) return an->File1->click(i);
    ADD_FAILURE() << name << " not listed";
  }

  // Presses, moves and releases on the photo box (twips), as the mouse gives them.
  void drag(double x0, double y0, double x1, double y1, int button = 1) {
    an->Picture1->onMouseDown(button, 0, x0, y0);
    if (x1 != x0 || y1 != y0) {
      an->Picture1->onMouseMove(button, 0, (x0 + x1) / 2, (y0 + y1) / 2);
      an->Picture1->onMouseMove(button, 0, x1, y1);
    }
    an->Picture1->onMouseUp(button, 0, x1, y1);
  }
  void click(double x, double y) { drag(x, y, x, y); }
  void traceWorkedCamber() {
    for (const auto& [x, y] : kWorkedPoints) click(x, y);
  }
  bool markedAt(double x, double y) const {
    return an->Picture1->colourAt(x - 50, y) == QColor(255, 0, 0);  // a red square's side
  }

  // Entry, depth, position, twist, exit of one camber.
  std::vector<std::string> row(int camber) const {
    const int k = camber - 1;
    return {an->Text0[k]->text(), an->Text1[k]->text(), an->Text2[k]->text(),
            an->Text3[k]->text(), an->Text4[k]->text()};
  }
  std::string caption() const { return an->windowTitle().toStdString(); }

  // A real mouse press, move or release on the photo box at a point in its twips.
  void mouse(QEvent::Type type, Qt::MouseButton button, double x, double y) {
    const QPoint at = an->Picture1->pixelOf(x, y);
    if (type == QEvent::MouseButtonPress) QTest::mousePress(an->Picture1, button, Qt::NoModifier, at);
    if (type == QEvent::MouseMove) QTest::mouseMove(an->Picture1, at);
    if (type == QEvent::MouseButtonRelease) QTest::mouseRelease(an->Picture1, button, Qt::NoModifier, at);
  }
  // A real press and release at one point.
  void tap(Qt::MouseButton button, double x, double y) {
    mouse(QEvent::MouseButtonPress, button, x, y);
    mouse(QEvent::MouseButtonRelease, button, x, y);
  }

  // A real double-click on a row of the folder list, as the mouse gives it:
  // press, release, double-click, release.
  void doubleClickFolder(int row) {
    QListWidgetItem* it = an->Dir1->item(row);
    ASSERT_NE(it, nullptr);
    an->Dir1->scrollToItem(it);
    const QPoint at = an->Dir1->visualItemRect(it).center();
    QWidget* area = an->Dir1->viewport();
    QTest::mouseClick(area, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(area, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, at);
  }
  // The folder list's rows as shown, indentation included.
  QStringList folderRows() const {
    QStringList rows;
    for (int i = 0; i < an->Dir1->count(); ++i) rows << an->Dir1->item(i)->text();
    return rows;
  }

  std::unique_ptr<Form2> own;
  Form2* an = nullptr;
};

TEST_F(AnalyserTest, StartsEmptyOpensPhotosFromTheListAndRefusesFilesThatAreNoPicture) {
  photo("main.bmp", 300, 200);
  touch("broken.BMP", "BM this is no bitmap, only words where its header would be");
  touch("notes.txt", "x");
  Form2& f = open();
  // The folder's *.bmp listed without regard to case.
  EXPECT_EQ(std::tuple(caption(), f.Dir1->path(), f.File1->count()),
            std::tuple("Vestrel Design Sail Analyzer", QDir::currentPath().toStdString(), 2));
  // The entry column reaches into the photo box and stays on top of it.
  EXPECT_EQ(twipRect(f.Text0[0]).left, 6480);
  const QPoint overlap = f.Text0[0]->geometry().topLeft() + QPoint(2, 2);
  EXPECT_TRUE(f.Picture1->geometry().contains(overlap) && f.childAt(overlap) == f.Text0[0]);
  // Before any photo the whole box takes points, unscaled.
  click(6000, 6500);
  EXPECT_EQ(f.cambers.Y[1][1], 6500.0);

  f.Option1[2]->setValue(true);
  pick("main.bmp");
  EXPECT_EQ(std::tuple(caption(), f.cambers.count[1], row(5)), std::tuple("main.bmp", 0, Row(5, "0")));
  for (int i : {0, 1}) click(kWorkedPoints[i].first, kWorkedPoints[i].second);

  pick("broken.BMP");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].title + ": " + messages[0].prompt,
            "Vestrel Design Sail Analyzer: broken.BMP could not be opened as a picture.");
  EXPECT_TRUE(caption() == "main.bmp" && f.cambers.count[2] == 2 && !busyPointer());
  EXPECT_EQ(f.openedPhoto, (QDir::currentPath() + "/main.bmp").toStdString());
  EXPECT_EQ(f.Image1->placement().height, 4490);
}

TEST_F(AnalyserTest, TracedCambersAreMeasuredEditedAndReselectingStartsOver) {
  Form2& f = openMain();
  traceWorkedCamber();
  EXPECT_EQ(row(1), kWorked);
  // The marks are drawn over the photo; showing the window again brings them back.
  const bool drawn = markedAt(1200, 720);
  f.Picture1->clear();
  const bool cleared = markedAt(1200, 720);
  f.hide();
  f.show();
  EXPECT_EQ(std::tuple(drawn, cleared, markedAt(1200, 720)), std::tuple(true, false, true));

  // Left of the previous point: moved right, "Hey!".
  f.Option1[3]->setValue(true);
  click(1000, 3000);
  click(990, 2000);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].prompt == "Please move left to right or start a new camber." && messages[0].title == "Hey!");

  // A value typed into an unmeasured camber's row survives redraws.
  f.Text1[2]->setText("12.5");
  f.redraw();
  EXPECT_EQ(f.Text1[2]->text(), "12.5");

  // "Edit" drags the nearest point; a press below the photo counts for nothing.
  f.Option1[0]->setValue(true);
  drag(1210, 730, 1300, 600);
  EXPECT_EQ(f.cambers.X[1][2], 1300.0);
  // Nor do its moves reach the photo: neither a drag's lines nor a zoom box
  // replace the redraw's marks.
  f.Picture1->setRecording(true);
  f.redraw();
  drag(2480, 5000, 2480, 100);
  drag(3000, 5000, 3000, 100, 2);
  EXPECT_TRUE(f.cambers.Y[1][3] == 1000 && f.zoom.scale == 1);
  const auto& ops = f.Picture1->ops();  // the camber numbers stay; no green line or zoom box
  EXPECT_TRUE(std::any_of(ops.begin(), ops.end(), [](const DrawOp& o) { return o.kind == DrawOp::Text; }) &&
              std::none_of(ops.begin(), ops.end(), [](const DrawOp& o) { return o.colour == 2; }));
  f.Picture1->setRecording(false);

  // Camber 4 traced by double-clicks: each one point, as a click is (a
  // second point at the same x would leave the camber unmeasured).
  f.Option1[4]->setValue(true);
  using E = QEvent;
  for (const auto& [x, y] : kWorkedPoints) {
    const QPointF at(f.Picture1->pixelOf(x, y));
    for (const E::Type type : {E::MouseButtonPress, E::MouseButtonRelease, E::MouseButtonDblClick, E::MouseButtonRelease}) {
      const Qt::MouseButtons held = type == E::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
      QMouseEvent e(type, at, f.Picture1->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
      QCoreApplication::sendEvent(f.Picture1, &e);
    }
  }
  const Row measured = row(4);
  EXPECT_TRUE(f.cambers.count[4] == 3 && measured[1] != "0");
  // Clicking the selected "Camber 4" again empties it; its row keeps its values.
  f.Option1[4]->click();
  EXPECT_TRUE(f.cambers.count[4] == 0 && row(4) == measured && !markedAt(1200, 720));
  EXPECT_EQ(f.cambers.count[1] + f.cambers.count[3], 5);  // the other cambers untouched
}

TEST_F(AnalyserTest, TheReminderEndsThePressSoALaterReleaseOffThePhotoZoomsNothing) {
  Form2& f = openMain();  // fitted 6735 x 4490: below 4490 lies no photo
  using E = QEvent;
  // A zoom in and out leaves its box behind.
  mouse(E::MouseButtonPress, Qt::RightButton, 1000, 1000);
  mouse(E::MouseMove, Qt::RightButton, 1000, 3000);
  mouse(E::MouseButtonRelease, Qt::RightButton, 1000, 3000);
  ASSERT_GT(f.zoom.scale, 1.0);
  tap(Qt::RightButton, 100, 100);
  ASSERT_EQ(f.zoom.scale, 1.0);

  f.Option1[3]->setValue(true);
  tap(Qt::LeftButton, 1500, 3000);
  // Left of that point: "Hey!", whose box takes the release.
  mouse(E::MouseButtonPress, Qt::LeftButton, 1000, 2000);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].title, "Hey!");
  QTest::mouseRelease(f.Label1, Qt::LeftButton);  // the button comes up over the box, not the photo

  // A right click below the photo: no zoom, no "Edit".
  tap(Qt::RightButton, 3000, 6000);
  EXPECT_EQ(std::tuple(f.zoom.scale, f.Image1->placement().left + f.Image1->placement().width, f.Option1[3]->value()),
            std::tuple(1.0, 6735.0, true));
  // The next press on the photo traces on.
  tap(Qt::LeftButton, 2500, 2000);
  EXPECT_EQ(f.cambers.count[3], 3);
}

TEST_F(AnalyserTest, ACameraSizedPhotoOpensAndOneTooLargeIsRefusedNamingItsSize) {
  bmp16("camera.bmp", 8200, 8200, true);   // 256.5 MB at 4 bytes a pixel
  bmp16("huge.bmp", 30000, 20000, false);  // 2.2 GB: beyond any photo
  Form2& f = open();
  pick("camera.bmp");
  EXPECT_EQ(std::tuple(messages.size(), caption(), f.Image1->naturalWidth(), f.Image1->placement().width),
            std::tuple(0u, "camera.bmp", 8200, 6735.0));
  const QColor shown = f.Picture1->colourAt(3000, 3000);
  EXPECT_NE(shown, QColor(Qt::white));
  // Zoomed in, the stretched copy still covers the box.
  drag(1000, 1000, 1500, 3694, 2);
  EXPECT_TRUE(f.zoom.scale > 1.0 && f.Picture1->colourAt(6000, 6000) == shown);

  pick("huge.bmp");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].prompt, "huge.bmp is 30000 x 20000 pixels, too large to open.");
  EXPECT_TRUE(caption() == "camera.bmp" && f.Image1->naturalWidth() == 8200 && !busyPointer());
}

TEST_F(AnalyserTest, TheFolderListShowsWhereItStandsAndADoubleClickOpensAnyFolderInIt) {
  ASSERT_TRUE(QDir(dir.path()).mkpath("sails/old") && QDir(dir.path()).mkpath("sails/new"));
  photo("sails/new/main.bmp", 30, 20);
  Form2& f = open();
  const QString here = QDir::currentPath();
  const QStringList names = here.split('/', Qt::SkipEmptyParts);
  const int depth = static_cast<int>(names.size());
  // The root, each folder down to the open one indented a step further, then
  // its subfolders a step below it.
  QStringList want{"/"};
  for (int i = 0; i < depth; ++i) want << QString(2 * (i + 1), ' ') + names[i];
  want << QString(2 * (depth + 1), ' ') + "sails";
  EXPECT_EQ(folderRows(), want);
  // The open folder is marked, its ancestors and subfolders are not.
  for (int i = 0; i < f.Dir1->count(); ++i) EXPECT_EQ(f.Dir1->item(i)->font().bold(), i == depth) << i;

  doubleClickFolder(depth + 1);  // into "sails"
  EXPECT_EQ(f.Dir1->path(), (here + "/sails").toStdString());
  const QStringList rows = folderRows();
  ASSERT_EQ(rows.size(), depth + 4);
  EXPECT_EQ(rows.mid(depth + 1), QStringList({QString(2 * (depth + 1), ' ') + "sails",
                                              QString(2 * (depth + 2), ' ') + "new",
                                              QString(2 * (depth + 2), ' ') + "old"}));
  EXPECT_TRUE(f.Dir1->item(depth + 1)->font().bold());
  doubleClickFolder(depth + 2);  // "new": its photo is listed
  EXPECT_EQ(f.File1->count(), 1);
  // An ancestor in the list opens as well: back up two levels.
  doubleClickFolder(depth);
  EXPECT_EQ(f.Dir1->path(), here.toStdString());
  EXPECT_EQ(f.File1->count(), 0);
}

TEST_F(AnalyserTest, RightBoxZoomsInAndOutThenPrintAndClose) {
  Form2& f = openMain();
  drag(1000, 1000, 1500, 3694, 2);
  EXPECT_TRUE(f.Image1->placement().width == 16838 && f.Option1[0]->value());
  f.Option1[2]->setValue(true);
  click(3000, 3000);
  EXPECT_EQ(f.cambers.X[2][1], 2200.0);

  drag(100, 100, 100, 200, 2);  // any box zooms out
  EXPECT_TRUE(f.Image1->placement().width == 6735 && f.Option1[2]->value());

  // Print without a printer: a PDF, no message. Closing discards everything.
  f.Command1_Click();
  EXPECT_TRUE(messages.empty() && read("analyzer.pdf").substr(0, 4) == "%PDF");
  f.close();
  f.Form_Show();
  EXPECT_TRUE(caption() == "Vestrel Design Sail Analyzer" && f.cambers.count[2] == 0 && !f.Image1->hasPicture());
  EXPECT_EQ(row(1), Row(5, ""));
}

TEST_F(AnalyserTest, SaveWritesBothFilesAndReopeningRestoresTheTracing) {
  photo("main.new.bmp", 300, 200);
  photo("other.bmp", 300, 200);
  touch("MAIN.NEW.ANL", "old\r\n");
  Form2& f = open();
  pick("main.new.bmp");  // "old" has no points: Edit, nothing traced
  EXPECT_EQ(caption(), "old");
  f.Option1[1]->setValue(true);
  traceWorkedCamber();
  f.File1->setCurrentRow(1);  // the list moves on; the tracing belongs to main.new.bmp
  answers.push_back("Mainsail, port side");
  f.Save_Click();
  ASSERT_EQ(inputs.size(), 1u);
  EXPECT_EQ(inputs[0].title + "|" + inputs[0].defaultText + "|" + inputs[0].prompt,
            "Comments|old|Enter your comments to save with this bitmap:");
  EXPECT_FALSE(f.isVisible());
  EXPECT_EQ(read("MAIN.NEW.ANL"), "Mainsail, port side\r\n 3 \r\n 500           1000 \r\n 1200          720 \r\n"
                                  " 2480          1000 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
  EXPECT_EQ(read("captured.mld").substr(0, 21), " 0 \r\n 26.9 \r\n 15.1 \r\n");
  // No second analysis file, none for other.bmp.
  QStringList written = files();
  written.sort(Qt::CaseSensitive);
  EXPECT_EQ(written, QStringList({"MAIN.NEW.ANL", "captured.mld", "main.new.bmp", "other.bmp"}));

  // Reopened: the comment, Edit, the points and their measures.
  f.Form_Show();
  pick("main.new.bmp");
  EXPECT_EQ(std::tuple(caption(), f.Option1[0]->value(), row(1)), std::tuple("Mainsail, port side", true, kWorked));
}

TEST_F(AnalyserTest, SaveCancelledOrFailingKeepsTheWindow) {
  Form2& f = open();
  f.Save_Click();  // Cancel
  EXPECT_TRUE(f.isVisible());

  // No photo opened: no analysis file, the mold only.
  answers.push_back("");
  f.Text5->setText("no such folder/x.mld");
  f.Save_Click();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].prompt == "Could not write no such folder/x.mld." && f.isVisible());

  answers.push_back("");
  f.Text5->setText("");  // no mold, no message, hidden
  f.Save_Click();
  EXPECT_TRUE(messages.size() == 1u && !f.isVisible() && files().isEmpty());
}

TEST_F(AnalyserTest, TheMainWindowLoadsTheCapturedMold) {
  photo("main.bmp", 300, 200);
  Form1& main = start();
  main.dummy31->choose();  // "&Analyze"
  an = main.analyser();
  pick("main.bmp");
  traceWorkedCamber();
  answers.push_back("");
  an->Save_Click();

  nameDesign("none.sal", "captured.mld", "none.pnl");
  main.Command12_Click();
  EXPECT_EQ(main.Text[14]->text(), "0");
  for (int s : {0, 1, 5})  // the foot and station 1 take camber 1, unmeasured ones fall back
    EXPECT_EQ(main.ent[s]->text() + " " + main.dep[s]->text() + " " + main.ex[s]->text(), "26.9 15.1 22.7") << s;
}

}  // namespace
}  // namespace kes::test
