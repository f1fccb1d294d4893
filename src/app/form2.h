#pragma once
// The sail analyser window. The user picks a sail photo, traces up to five
// camber stripes on it, zooms with a right-button box, sees every camber
// fitted and measured in the 5 x 5 grid, prints the window, and saves the
// tracing beside the photo and the measurements as a mold file. It shares
// nothing with the main window: its result reaches the main window only as
// that mold file.
//
// Every redraw is Image1_MouseUp with button 0 at (0, 0): the photo is
// painted again (which wipes the marks), then the points are marked and the
// cambers fitted, drawn and measured.

#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "analyser/camber_analysis.h"
#include "analyser/photo_zoom.h"
#include "analyser/tracing.h"
#include "platform/controls.h"
#include "platform/file_lists.h"
#include "platform/image_box.h"
#include "platform/picture_box.h"

namespace kes {

class Form2 : public QWidget {
 public:
  Form2();
  ~Form2() override;

  // The window's show operation: loads it (Form_Load) when it is not loaded,
  // then shows it without blocking the main window.
  void Form_Show();
  void Form_Load();
  bool loaded() const { return loaded_; }

  // ---- Event procedures --------------------------------------------------------
  void Option1_Click(int index);  // a camber button empties its camber; "Edit" keeps all
  void Command1_Click();          // "Print"
  void Drive1_Change();
  void Dir1_Change();
  void File1_Click();             // opens the photo
  void Save_Click();              // analysis file, mold file, hide
  // Mouse on the photo: x, y in twips from the photo's top-left corner.
  void Image1_MouseDown(int button, int shift, double x, double y);
  void Image1_MouseMove(int button, int shift, double x, double y);
  void Image1_MouseUp(int button, int shift, double x, double y);
  void redraw() { Image1_MouseUp(0, 0, 0, 0); }

  // ---- Controls ----------------------------------------------------------------
  PictureBox* Picture1;
  std::unique_ptr<ImageBox> Image1;
  Label *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
  FileList* File1;
  DirList* Dir1;
  DriveList* Drive1;
  std::array<OptionButton*, 6> Option1{};
  // The result grid: entry, depth %, position %, twist, exit; index k is camber k + 1.
  std::array<TextBox*, 5> Text0{}, Text1{}, Text2{}, Text3{}, Text4{};
  CommandButton* Command1;
  TextBox* Text5;
  CommandButton* Save;

  // ---- Window state --------------------------------------------------------------
  Tracing cambers;           // CamberPointX, CamberPointY, CamberPointCount
  int CurrentCamber = 0;     // 0 "Edit", 1..5 the camber being traced
  int SelectedCamber = 0, SelectedPoint = 0;
  ZoomBox zoomBox;
  PhotoZoom zoom;            // ZoomScale, PhotoOffsetX, PhotoOffsetY
  CamberCurves curves;       // the fitted curves and the spline workspace
  std::string openedPhoto;   // the photo the tracing belongs to; empty before one opens

  // The photo box's designed size, twips.
  static constexpr double kPhotoBoxSize = 6735.0;

  // The grid box of a column (GridColumn) and camber index 0..4.
  TextBox* gridBox(int column, int k) const;

 protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void buildControls();
  void resetToDesign();
  // The photo box's mouse, passed on to the photo when it lands on it.
  void boxMouseDown(int button, int shift, double x, double y);
  void boxMouseMove(int button, int shift, double x, double y);
  void boxMouseUp(int button, int shift, double x, double y);
  void ZoomPhoto();
  void placeImage(const Placement& p);
  Placement imagePlacement() const;
  std::string photoPath() const;
  bool writeOrSay(const std::string& name, const std::string& bytes);

  bool loaded_ = false;
  bool opening_ = false;   // a photo is being opened
  bool pressOnPhoto_ = false;
  float aspect_ = 1.0f;    // the open photo's natural proportions
  ResultGrid grid_;        // the grid's texts during an analysis
};

}  // namespace kes
