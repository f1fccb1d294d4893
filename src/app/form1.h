#pragma once
// The main window: the plan view of the sail with its view controls, the
// section strip, the six input frames (Size, Mold, Battens, Panels,
// Reinforcements, Files) chosen by a row of selector buttons or the Design
// menu, and the File, Design, Options, Nest and Analyze menus.
//
// The boxes are the only storage of every typed input; the window-level
// values below carry the text's names. Event procedures are public member
// functions named after their control and event, so tests can run them the
// way the window does.

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "common/panel_layout.h"
#include "model/sail_model.h"
#include "platform/controls.h"
#include "platform/picture_box.h"
#include "platform/run_events.h"
#include "view/zoom.h"

class QFrame;
class QMenu;

namespace kes {

class Form2;

class Form1 : public QMainWindow {
 public:
  Form1();
  ~Form1() override;

  // ---- Start-up and shut-down ---------------------------------------------
  // Start-up. False when another copy of the program is running: then nothing
  // was shown or touched and the caller ends the program at once.
  bool Form_Load();
  void Form_Unload();
  void Form_Resize();
  void dummy2_Click();  // File "&Exit"

  // Replaces the single-instance test (tests force "another copy runs").
  static void setInstanceProbe(std::function<bool()> probe);

  // Outer size of the window in twips: the client area plus the designed
  // borders, title and menu bar (120 wide, 690 high).
  double outerWidthTwips() const;
  double outerHeightTwips() const;
  void setOuterSizeTwips(double width, double height);

  // ---- The sail model ---------------------------------------------------------
  void Command3_Click();  // recompute, repaint, area
  void Picture1_Paint();
  void readInputs(SailInputs& in) const;

  // ---- Window modes and the Design menu ------------------------------------------
  enum class Mode { Size, Mold, Battens, Panels, Reinforcements, Files };
  Mode designFrame() const;
  void Option1_Click();  // "S"
  void Option2_Click();  // "M"
  void Option6_Click();  // "B"
  void Option3_Click();  // "P"
  void Option7_Click();  // "R"
  void Option4_Click();  // "F"
  void dummy13_Click();
  void dummy14_Click();
  void dummy17_Click();
  void dummy15_Click();
  void dummy24_Click();
  void dummy16_Click();
  void dummy10_Click();  // File "&Open"
  void dummy11_Click();  // File "&Save"

  // ---- Options, Nest, Analyze, keys ------------------------------------------------
  void Inches_Click();
  void Feet_Click();
  void Millimeters_Click();
  void dummy33_Click();  // "&Show Results"
  void ShelfFoot_Click();
  void TwistFoot_Click();
  void dummy26_Click();  // delete all plot files
  void dummy19_Click();  // Nest "&Zamrel"
  void dummy20_Click();  // Nest "&Tessil"
  void dummy21_Click();  // Nest "&Quilda"
  void dummy22_Click();  // Nest "&Vardeneth"
  void dummy31_Click();  // "&Analyze"
  void dummy37_Click();  // "Batten Hollow"
  void color_Click();    // "&Black Background"
  // Key preview: keyCode is the virtual key number (27 Esc, 37..40 arrows);
  // setting it to 0 keeps the key from the focused control.
  void Form_KeyDown(int& keyCode, int shift);

  // ---- Size frame, battens, stations ----------------------------------------------
  void Command5_Click();   // "?" leech diagonal
  void Command15_Click();  // "Std 3"
  void Command4_Click();   // "Std 4"
  void Command18_Click();  // "Std 5"
  void Command19_Click();  // "None"
  void Command24_Click();  // "<" row 0
  void Command23_Click();  // "<" row 1
  void Command20_Click();  // "<" row 2
  void Command17_Click();  // "<" row 3
  void Command16_Click();  // "<" row 4
  void Option5_Click(int row);
  void VScroll1_Change();
  void VScroll2_Change();
  void VScroll3_Change();
  void VScroll4_Change();
  void moldBox_Change(int row);    // ent_/dep_/pos_/ex_Change
  void moldBox_GotFocus(int row);  // ent_/dep_/pos_/ex_GotFocus

  // ---- Views -----------------------------------------------------------------
  void HScroll1_Change();
  void HScroll1_Scroll();  // while the thumb is dragged: the view follows it
  void VScroll5_Change();
  void VScroll5_Scroll();
  void Command1_MouseDown(int button);
  void Command2_Click();
  void Command6_Click();
  void Command7_Click();
  void Check4_Click();
  void Check5_Click();
  void Picture1_MouseDown(int button, int shift, double x, double y);
  void Picture1_MouseMove(int button, int shift, double x, double y);
  void Picture1_MouseUp(int button, int shift, double x, double y);

  // ---- Files frame -------------------------------------------------------------
  void Command12_Click();  // design load
  void Command13_Click();  // design save
  void Command14_Click();  // "Now"
  void Combo1_Change();
  void Combo1_Click();
  void ReadPlotScale();

  // ---- Panels and Reinforcements frames (filled in by their own work) ------------
  void LayoutCrosscutSeams();
  void LayoutRadialPanels();  // run by LayoutCrosscutSeams only
  void Text15_Change();
  void Text21_Change();
  void Text22_Change();
  void bandCount_Change(int band);  // Text23_Change .. Text27_Change, band 2..6
  void Check1_Click();
  void Check2_Click();
  void Check3_Click();
  void Command8_Click();
  void Command9_Click();
  void Command10_Click();
  void Command11_MouseDown(int button);
  void Command11_MouseUp(int button);
  void Command21_Click();
  void Command22_Click();
  void percentBox_Change(int box);   // Text37_Change .. Text42_Change
  void quantityBox_Change(int box);  // Text43_Change .. Text45_Change
  void HScroll2_Change();
  void HScroll3_Change();
  void HScroll4_Change();
  void HScroll5_Change();
  void Option8_Click();
  void Option9_Click();
  void Option10_Click();

  // ---- Develop runs: what the crosscut, radial and reinforcement develops share ----
  // (form1_develop.cpp). A run: beginDevelopRun; per plot file developEvents,
  // writeDevelopFile / appendDevelopFile, the caption, developStopRequested;
  // on a stop or a failed write the develop rebuilds what it must
  // (Command3_Click, LayoutCrosscutSeams) and calls endDevelopRun, as at its end.
  //
  // Starts a run; false, doing nothing, while another runs. False too, after
  // the failed-write message and before anything is deleted, when one of the
  // files the run writes in place (its report, its scratch files) exists but
  // cannot be written. Clears StopRequest, deletes the plot files matching
  // the patterns, shows the hourglass, and from then until endDevelopRun lets
  // only repaints and Esc reach the window (closing it stops the run as Esc
  // does, then closes it).
  bool beginDevelopRun(std::span<const char* const> clearPatterns,
                       std::span<const char* const> writtenInPlace = {});
  // The once-per-file event pass (Esc sets StopRequest there).
  void developEvents();
  // True when the run must stop now: StopRequest back to 0, the caption
  // "Interrupted...", the default pointer.
  bool developStopRequested();
  // A run's file: a plot file replaced whole in one step, a scratch file
  // (temp.txt) written over, the report appended to. On failure the caption
  // "Cannot write <name>", the default pointer and a message box; false, and
  // the caller stops as on Esc.
  enum class DevelopWrite { Replace, Overwrite, Append };
  bool writeDevelopFile(const std::string& name, std::string_view text,
                        DevelopWrite how = DevelopWrite::Replace);
  // Ends the run: default pointer, input back, a close asked for during the run done.
  void endDevelopRun();
  bool developRunning() const { return developRunning_; }
  // Shows a document in the desktop's viewer, or says that nothing can.
  void showDocument(const std::string& name);
  void setCaption(const std::string& text);
  // The user's stroke font in the current folder (tests name one of their own).
  std::string strokeFontFile = "quilda.fnt";

  // ---- Window-level state --------------------------------------------------------
  SailModel m;
  double BattenHollow = 0;
  int LoadingFlag = 0;
  int CurrentSection = 0;
  double ViewStep = 0;
  int StopRequest = 0;
  int FilesListed = 0;
  int MoldViewLarge = 0;
  double PlotScaleX = 0, PlotScaleY = 0;
  ZoomState zoom;
  PanelLayout layout;  // seams, radial layout, divider, what a drag holds
  int designSaves = 0;  // runs of the design save (it comes with the design files)
  int designLoads = 0;  // runs of the design load

  // ---- Controls --------------------------------------------------------------
  PictureBox* Picture1 = nullptr;
  PictureBox* Picture2 = nullptr;
  Label* Label40 = nullptr;
  QFrame* Shape1 = nullptr;
  Frame *FrameSize = nullptr, *FrameMold = nullptr, *FramePan = nullptr, *FrameFile = nullptr,
        *FrameBat = nullptr, *FrameRein = nullptr;
  TextBox* Text[47] = {};  // Text1 .. Text46 (Text[0] unused)
  TextBox *BatPos[5] = {}, *BatLngth[5] = {}, *BatAngl[5] = {};
  TextBox *NumReef[2] = {}, *ReefPos[2] = {};
  TextBox *ent[6] = {}, *dep[6] = {}, *pos[6] = {}, *ex[6] = {};
  CommandButton* Command[25] = {};  // Command1 .. Command24
  OptionButton* Option[11] = {};    // Option1 .. Option10 (Option[5] unused: see Option5)
  OptionButton* Option5[6] = {};
  CheckBox* Check[8] = {};          // Check1 .. Check7
  ScrollBar* HScroll[6] = {};       // HScroll1 .. HScroll5
  ScrollBar* VScroll[6] = {};       // VScroll1 .. VScroll5
  ComboBox *Combo1 = nullptr, *Combo2 = nullptr, *Combo3 = nullptr;

  // Menu items.
  MenuItem *dummy10 = nullptr, *dummy11 = nullptr, *dummy26 = nullptr, *dummy2 = nullptr;
  MenuItem *dummy13 = nullptr, *dummy14 = nullptr, *dummy17 = nullptr, *dummy15 = nullptr,
           *dummy24 = nullptr, *dummy16 = nullptr;
  MenuItem *Inches = nullptr, *Feet = nullptr, *Millimeters = nullptr, *color = nullptr,
           *dummy33 = nullptr, *ShelfFoot = nullptr, *TwistFoot = nullptr, *dummy37 = nullptr;
  MenuItem *dummy19 = nullptr, *dummy20 = nullptr, *dummy21 = nullptr, *dummy22 = nullptr;
  MenuItem* dummy31 = nullptr;

  Form2* analyser() const { return form2_.get(); }

 protected:
  void resizeEvent(QResizeEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void buildMenus();
  void buildViewControls(QWidget* client);
  void buildSizeFrame(QWidget* client);
  void buildMoldFrame(QWidget* client);
  void buildBattensFrame(QWidget* client);
  void buildPanelsFrame(QWidget* client);
  void buildFilesFrame(QWidget* client);
  void buildReinforcementsFrame(QWidget* client);
  void wireHandlers();

  void enterMode(Mode mode);
  void listDesignFiles(bool firstVisit);  // the three name lists; first visit: last-used names
  void setColorScheme(bool black);        // colours and mark only, no repaint
  void designMenuPick(MenuItem* item, OptionButton* selector);
  void setMoldBarsFromRow(int row);
  void moldBarToBox(int column);
  void standardBattenSetUp(int kind);
  void fullLengthRow(int row);
  void runOverlays();
  void turnedView();
  void startSibling(const char* program);
  int menuBarPixels() const;

  QWidget* client_ = nullptr;
  std::unique_ptr<Form2> form2_;
  SailInputs inputs_;
  bool unloaded_ = false;
  bool developRunning_ = false;
  bool closeAfterRun_ = false;
  std::unique_ptr<RunEventGate> developGate_;
  bool failDevelopRun(const std::string& text);
  bool failDevelopWrite(const std::string& name);
  // A plot file whose cut cannot be made: "Cannot cut <name>: <why>", nothing written.
  bool failDevelopCut(const std::string& name, std::string_view why);
  void stopDevelopRun();
};

}  // namespace kes
