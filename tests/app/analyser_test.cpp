// The analyser window as a user meets it: photos opened from the file list,
// cambers traced, picked and dragged with the mouse, the zoom box, the grid,
// Save and Print. Photos are small BMPs made by each test.

#include <QFile>
#include <QImage>
#include <QMouseEvent>

#include "app/form2.h"
#include "app_fixture.h"
#include "platform/printing.h"

namespace kes::test {
namespace {

class AnalyserTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    setPrintersEnabled(false);
  }
  void TearDown() override {
    an.reset();
    setPrintersEnabled(true);
    AppTest::TearDown();
  }

  Form2& open() {
    an = std::make_unique<Form2>();
    an->Form_Show();
    QCoreApplication::processEvents();
    return *an;
  }

  void photo(const char* name, int w, int h) const {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(qRgb(40, 90, 160));
    ASSERT_TRUE(img.save(QDir(dir.path()).filePath(QString::fromLatin1(name)), "BMP"));
  }
  void write(const char* name, const std::string& bytes) const {
    QFile f(QDir(dir.path()).filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  std::string read(const char* name) const {
    QFile f(QDir(dir.path()).filePath(QString::fromLatin1(name)));
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("<none>");
  }

  // Lists the folder afresh and clicks the named photo.
  void pick(const char* name) {
    an->File1->setPath(an->Dir1->path());
    for (int i = 0; i < an->File1->count(); ++i)
      if (an->File1->item(i)->text() == QString::fromLatin1(name)) return an->File1->click(i);
    ADD_FAILURE() << name << " not listed";
  }

  // A click on the photo box (twips), as the mouse gives it, on the analyser
  // under test or on another one.
  void click(double x, double y, int button = 1, Form2* on = nullptr) {
    Form2& f = on ? *on : *an;
    f.Picture1->onMouseDown(button, 0, x, y);
    f.Picture1->onMouseUp(button, 0, x, y);
  }
  void drag(double x0, double y0, double x1, double y1, int button) {
    an->Picture1->onMouseDown(button, 0, x0, y0);
    an->Picture1->onMouseMove(button, 0, (x0 + x1) / 2, (y0 + y1) / 2);
    an->Picture1->onMouseMove(button, 0, x1, y1);
    an->Picture1->onMouseUp(button, 0, x1, y1);
  }

  // The worked camber: (500, 1000), (1200, 720), (2480, 1000).
  void traceWorkedCamber(Form2* on = nullptr) {
    for (const auto& [x, y] : {std::pair{500.0, 1000.0}, {1200.0, 720.0}, {2480.0, 1000.0}})
      click(x, y, 1, on);
  }

  std::vector<std::string> row(int camber) const {
    const int k = camber - 1;
    return {an->Text0[k]->text(), an->Text1[k]->text(), an->Text2[k]->text(),
            an->Text3[k]->text(), an->Text4[k]->text()};
  }
  std::string caption() const { return an->windowTitle().toStdString(); }

  std::unique_ptr<Form2> an;
};

using Row = std::vector<std::string>;
const Row kWorked{"26.9", "15.1", "46.5", "0.0", "22.7"};

TEST_F(AnalyserTest, StartsAsDesignedWithTheGridAboveThePhotoBox) {
  photo("port.bmp", 30, 20);
  photo("STARBOARD.BMP", 20, 30);
  write("notes.txt", "x");
  Form2& f = open();
  EXPECT_EQ(caption(), "Vestrel Design Sail Analyzer");
  EXPECT_TRUE(f.Option1[1]->value());
  EXPECT_EQ(f.CurrentCamber, 1);
  EXPECT_EQ(f.Text5->text(), "captured.mld");
  for (int k = 0; k < 5; ++k) EXPECT_EQ(row(k + 1), Row(5, "")) << k;
  EXPECT_EQ(f.Dir1->path(), QDir::currentPath().toStdString());
  ASSERT_EQ(f.File1->count(), 2);  // *.bmp without regard to case
  EXPECT_EQ(f.File1->item(0)->text(), "port.bmp");
  // The entry column reaches into the photo box and stays on top of it.
  const TwipRect r = twipRect(f.Text0[0]);
  EXPECT_EQ(r.left, 6480);
  EXPECT_EQ(r.top, 5640);
  EXPECT_EQ(twipRect(f.Text0[4]).top, 2760);
  const QPoint overlap = f.Text0[0]->geometry().topLeft() + QPoint(2, 2);
  EXPECT_TRUE(f.Picture1->geometry().contains(overlap));
  EXPECT_EQ(f.childAt(overlap), f.Text0[0]);
  // Clicking in the file list with nothing selected opens nothing.
  f.File1_Click();
  EXPECT_EQ(caption(), "Vestrel Design Sail Analyzer");
  // Before any photo the whole box takes points, unscaled.
  click(6000, 6500);
  EXPECT_EQ(f.cambers.count[1], 1);
  EXPECT_EQ(f.cambers.X[1][1], 6000.0);
  EXPECT_EQ(f.cambers.Y[1][1], 6500.0);
}

TEST_F(AnalyserTest, OpeningFitsThePhotoAndAFileThatIsNoPictureChangesNothing) {
  photo("main.bmp", 300, 200);
  write("broken.bmp", "BM this is no bitmap");
  // A header that asks for 100000 x 100000 pixels.
  std::string huge = "BM";
  const auto le32 = [&](std::string& s, quint32 v) {
    for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  le32(huge, 54 + 30000), le32(huge, 0), le32(huge, 54), le32(huge, 40), le32(huge, 100000),
      le32(huge, 100000), le32(huge, 1 | (24u << 16)), le32(huge, 0), le32(huge, 0), le32(huge, 0),
      le32(huge, 0), le32(huge, 0), le32(huge, 0);
  write("huge.bmp", huge + std::string(30000, '\x7f'));
  Form2& f = open();
  f.Option1[2]->setValue(true);
  pick("main.bmp");
  EXPECT_EQ(caption(), "main.bmp");
  EXPECT_EQ(f.Image1->placement().width, 6735);
  EXPECT_EQ(f.Image1->placement().height, 4490);
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(row(k), Row(5, "0"));
  EXPECT_TRUE(f.Option1[2]->value());  // no analysis file: the camber stays selected
  click(500, 1000);
  click(1200, 720);
  EXPECT_EQ(f.cambers.count[2], 2);

  pick("broken.bmp");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].prompt, "broken.bmp could not be opened as a picture.");
  EXPECT_EQ(messages[0].title, "Vestrel Design Sail Analyzer");
  EXPECT_EQ(caption(), "main.bmp");
  EXPECT_EQ(f.cambers.count[2], 2);
  EXPECT_EQ(f.openedPhoto, (QDir::currentPath() + "/main.bmp").toStdString());
  EXPECT_EQ(f.Image1->placement().height, 4490);
  EXPECT_FALSE(busyPointer());
  messages.clear();
  pick("huge.bmp");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].prompt, "huge.bmp could not be opened as a picture.");
  EXPECT_EQ(caption(), "main.bmp");
}

TEST_F(AnalyserTest, TracedCambersAreMeasuredAndReselectingStartsOver) {
  photo("main.bmp", 300, 200);
  Form2& f = open();
  pick("main.bmp");
  traceWorkedCamber();
  EXPECT_EQ(row(1), kWorked);
  // The marks are red squares over the photo; a repaint of the window brings them back.
  EXPECT_EQ(f.Picture1->colourAt(1200 - 50, 720), QColor(255, 0, 0));
  f.Picture1->clear();
  EXPECT_NE(f.Picture1->colourAt(1200 - 50, 720), QColor(255, 0, 0));
  f.hide();
  f.show();
  EXPECT_EQ(f.Picture1->colourAt(1200 - 50, 720), QColor(255, 0, 0));

  // Left of the previous point: moved right, "Hey!".
  f.Option1[3]->setValue(true);
  click(1000, 3000);
  click(990, 2000);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].prompt, "Please move left to right or start a new camber.");
  EXPECT_EQ(messages[0].title, "Hey!");
  EXPECT_EQ(f.cambers.X[3][2], 1200.0);
  EXPECT_EQ(f.cambers.Y[3][2], 3000.0);

  // A value typed into an unmeasured camber's row survives redraws; a
  // measured camber's row is written over.
  f.Text1[2]->setText("12.5");
  f.Text1[0]->setText("99");
  f.redraw();
  EXPECT_EQ(f.Text1[2]->text(), "12.5");
  EXPECT_EQ(f.Text1[0]->text(), "15.1");

  // Clicking the selected "Camber 1" again empties it; its row keeps its values.
  f.Option1[1]->setValue(true);
  traceWorkedCamber();
  f.Option1[1]->click();
  EXPECT_EQ(f.cambers.count[1], 0);
  EXPECT_EQ(row(1), kWorked);
  EXPECT_NE(f.Picture1->colourAt(1200 - 50, 720), QColor(255, 0, 0));
  EXPECT_EQ(f.cambers.count[3], 2);  // "Edit" and the other cambers untouched
  f.Option1[0]->click();
  f.Option1[0]->click();
  EXPECT_EQ(f.cambers.count[3], 2);
}

// A double-click traces one point, as a single click does: the press that
// the window system reports as the double-click adds no second point at the
// same x, which would leave the camber unmeasured.
TEST_F(AnalyserTest, ADoubleClickOnThePhotoTracesOnePoint) {
  photo("main.bmp", 300, 200);
  Form2& f = open();
  pick("main.bmp");
  const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(at), f.Picture1->mapToGlobal(QPointF(at)), Qt::LeftButton, held,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(f.Picture1, &e);
  };
  const auto trace = [&](bool doubleMiddle) {
    for (const auto& [x, y] : {std::pair{500.0, 1000.0}, {1200.0, 720.0}, {2480.0, 1000.0}}) {
      const QPoint at = f.Picture1->pixelOf(x, y);
      send(QEvent::MouseButtonPress, at, Qt::LeftButton);
      send(QEvent::MouseButtonRelease, at, Qt::NoButton);
      if (doubleMiddle && x == 1200.0) {
        send(QEvent::MouseButtonDblClick, at, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, at, Qt::NoButton);
      }
    }
  };
  trace(true);
  f.Option1[2]->setValue(true);
  trace(false);
  EXPECT_EQ(f.cambers.count[1], 3);
  EXPECT_EQ(f.cambers.count[2], 3);
  EXPECT_NE(f.Text1[0]->text(), "0");
  EXPECT_EQ(row(1), row(2));
}

TEST_F(AnalyserTest, EditPicksAndDragsTheNearestPoint) {
  photo("main.bmp", 300, 200);
  Form2& f = open();
  pick("main.bmp");
  traceWorkedCamber();
  f.Option1[0]->setValue(true);
  drag(1210, 730, 1300, 600, 1);
  EXPECT_EQ(f.cambers.X[1][2], 1300.0);
  EXPECT_EQ(f.cambers.Y[1][2], 600.0);
  EXPECT_EQ(f.SelectedCamber, 0);  // the release's redraw clears the pick
  EXPECT_NE(f.Text1[0]->text(), "15.1");
  EXPECT_EQ(f.cambers.count[1], 3);
  // A press outside the photo (below its 4490 twips) counts for nothing.
  drag(2480, 5000, 2480, 100, 1);
  EXPECT_EQ(f.cambers.Y[1][3], 1000.0);
}

TEST_F(AnalyserTest, RightBoxZoomsInAndOutAndPointsStayInImageUnits) {
  photo("main.bmp", 300, 200);
  Form2& f = open();
  pick("main.bmp");
  drag(1000, 1000, 1500, 3694, 2);
  EXPECT_EQ(f.zoom.scale, 2.5);
  const TwipRect r = f.Image1->placement();
  EXPECT_EQ(r.width, 16838);
  EXPECT_EQ(r.height, 11225);
  EXPECT_EQ(r.left, -2500);
  EXPECT_EQ(r.top, -2500);
  EXPECT_TRUE(f.Option1[0]->value());
  f.Option1[2]->setValue(true);
  click(3000, 3000);
  EXPECT_EQ(f.cambers.X[2][1], 2200.0);
  EXPECT_EQ(f.cambers.Y[2][1], 2200.0);
  EXPECT_EQ(f.Picture1->colourAt(3000 - 50, 3000), QColor(255, 0, 0));

  drag(100, 100, 100, 200, 2);  // any box zooms out
  EXPECT_EQ(f.zoom.scale, 1.0);
  EXPECT_EQ(f.Image1->placement().width, 6735);
  EXPECT_TRUE(f.Option1[2]->value());
}

TEST_F(AnalyserTest, SaveWritesBothFilesAndReopeningRestoresTheTracing) {
  photo("main.new.bmp", 300, 200);
  photo("other.bmp", 300, 200);
  write("MAIN.NEW.ANL", "old\r\n");
  Form2& f = open();
  pick("main.new.bmp");  // "old" has no points: Edit, nothing traced
  EXPECT_EQ(caption(), "old");
  f.Option1[1]->setValue(true);
  traceWorkedCamber();
  f.File1->setCurrentRow(1);  // the list moves on; the tracing belongs to main.new.bmp
  answers.push_back("Mainsail, port side");
  f.Save_Click();
  ASSERT_EQ(inputs.size(), 1u);
  EXPECT_EQ(inputs[0].title, "Comments");
  EXPECT_EQ(inputs[0].prompt, "Enter your comments to save with this bitmap:");
  EXPECT_EQ(inputs[0].defaultText, "old");
  EXPECT_FALSE(f.isVisible());
  EXPECT_EQ(read("MAIN.NEW.ANL"),
            "Mainsail, port side\r\n 3 \r\n 500           1000 \r\n 1200          720 \r\n"
            " 2480          1000 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
  EXPECT_FALSE(files().contains("main.new.anl"));
  EXPECT_FALSE(files().contains("other.anl"));
  std::string mold = read("captured.mld");
  EXPECT_EQ(mold.substr(0, 29), " 0 \r\n 26.9 \r\n 15.1 \r\n 46.5 \r\n");
  EXPECT_EQ(std::count(mold.begin(), mold.end(), '\n'), 25);

  // Reopened: the comment, Edit, the points and their measures.
  f.Form_Show();
  pick("other.bmp");
  EXPECT_EQ(f.cambers.count[1], 0);
  pick("main.new.bmp");
  EXPECT_EQ(caption(), "Mainsail, port side");
  EXPECT_TRUE(f.Option1[0]->value());
  EXPECT_EQ(f.cambers.count[1], 3);
  EXPECT_EQ(row(1), kWorked);
}

TEST_F(AnalyserTest, SaveCancelledOrFailingKeepsTheWindow) {
  Form2& f = open();
  f.Save_Click();  // Cancel
  EXPECT_TRUE(f.isVisible());
  EXPECT_TRUE(files().isEmpty());

  // No photo opened: no analysis file, the mold only.
  answers.push_back("");
  f.Text5->setText("no such folder/x.mld");
  f.Save_Click();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].prompt, "Could not write no such folder/x.mld.");
  EXPECT_TRUE(f.isVisible());
  EXPECT_TRUE(files().isEmpty());

  answers.push_back("");
  f.Text5->setText("");  // no mold, no message, hidden
  f.Save_Click();
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_FALSE(f.isVisible());
  EXPECT_TRUE(files().isEmpty());
}

TEST_F(AnalyserTest, PrintWithoutAPrinterWritesAPdfAndCloseDiscardsEverything) {
  photo("main.bmp", 300, 200);
  Form2& f = open();
  pick("main.bmp");
  click(500, 1000);
  f.Command1_Click();
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(read("analyzer.pdf").substr(0, 4), "%PDF");

  f.close();
  f.Form_Show();
  EXPECT_EQ(caption(), "Vestrel Design Sail Analyzer");
  EXPECT_EQ(f.cambers.count[1], 0);
  EXPECT_TRUE(f.openedPhoto.empty());
  EXPECT_FALSE(f.Image1->hasPicture());
  EXPECT_EQ(row(1), Row(5, ""));
}

TEST_F(AnalyserTest, TheMainWindowLoadsTheCapturedMold) {
  photo("main.bmp", 300, 200);
  Form1& main = start();
  main.dummy31->choose();  // "&Analyze"
  Form2& f = *main.analyser();
  f.File1->setPath(f.Dir1->path());
  f.File1->click(0);
  traceWorkedCamber(&f);
  answers.push_back("");
  f.Save_Click();
  ASSERT_TRUE(files().contains("captured.mld"));

  main.Combo1->setText("none.sal");
  main.Combo2->setText("captured.mld");
  main.Combo3->setText("none.pnl");
  main.Command12_Click();
  EXPECT_EQ(main.Text[14]->text(), "0");
  for (int s = 0; s <= 1; ++s) {  // the foot and station 1 both take camber 1
    EXPECT_EQ(main.ent[s]->text(), "26.9") << s;
    EXPECT_EQ(main.dep[s]->text(), "15.1") << s;
    EXPECT_EQ(main.pos[s]->text(), "46.5") << s;
    EXPECT_EQ(main.ex[s]->text(), "22.7") << s;
  }
  EXPECT_EQ(main.dep[5]->text(), "15.1");  // unmeasured stations fall back to camber 1
}

}  // namespace
}  // namespace kes::test
