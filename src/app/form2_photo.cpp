// The analyser's photo: opening it from the file list, the mouse on it
// (tracing, Edit pick and drag, the zoom box) and the zoom.

#include <QString>

#include "analyser/analysis_file.h"
#include "app/form2.h"
#include "platform/dialogs.h"
#include "platform/system.h"
#include "platform/atomic_file.h"
#include "platform/file_lookup.h"

namespace kes {

namespace {
// An analysis file is small; a longer one is read only this far.
constexpr std::size_t kAnalysisReadLimit = 8u << 20;

struct BusyPointer {
  BusyPointer() { setBusyPointer(true); }
  ~BusyPointer() { setBusyPointer(false); }
};
}  // namespace

std::string Form2::photoPath() const {
  std::string path = Dir1->path();
  if (path.empty() || path.back() != '/') path += '/';
  return path + File1->fileName();
}

Placement Form2::imagePlacement() const {
  const TwipRect& r = Image1->placement();
  return Placement{r.left, r.top, r.width, r.height};
}

void Form2::placeImage(const Placement& p) {
  Image1->setPlacement(TwipRect{p.left, p.top, p.width, p.height});
}

void Form2::File1_Click() {
  if (opening_) return;  // a click queued while a photo opens waits for none
  const std::string name = File1->fileName();
  if (name.empty()) return;
  struct Opening {
    bool& flag;
    ~Opening() { flag = false; }
  } opening{opening_};
  opening_ = true;
  const std::string path = photoPath();
  {
    BusyPointer busy;
    if (const ImageBox::Load loaded = Image1->load(path); loaded != ImageBox::Load::Loaded) {
      setBusyPointer(false);
      const std::string why =
          loaded == ImageBox::Load::TooLarge
              ? name + " is " + std::to_string(Image1->refusedWidth()) + " x " +
                    std::to_string(Image1->refusedHeight()) + " pixels, too large to open."
              : name + " could not be opened as a picture.";
      msgBox(this, why, "Vestrel Design Sail Analyzer", MsgButtons::Ok, MsgIcon::Warning);
      return;  // the open photo, its points, caption, grid and zoom stay
    }
    setWindowTitle(QString::fromStdString(name));
    for (int k = 0; k < kCambers; ++k) {
      cambers.count[k + 1] = 0;
      for (int c = 0; c < 5; ++c) gridBox(c, k)->setText("0");
    }
    zoom = PhotoZoom{};
    Image1->setVisible(false);
    aspect_ = aspectOf(Image1->naturalWidth(), Image1->naturalHeight());
    placeImage(fitPhoto(aspect_, kPhotoBoxSize, kPhotoBoxSize));
    Image1->setVisible(true);
    Picture1->clear();  // shows the new photo
    openedPhoto = path;
  }

  const std::string analysis = findFileNoCase(analysisFileName(path));
  if (analysis.empty()) return;
  const std::optional<std::string> text = readFileBytes(analysis, kAnalysisReadLimit);
  if (!text) return;
  std::string comment;
  readAnalysis(*text, comment, cambers);
  if (!comment.empty()) setWindowTitle(QString::fromStdString(comment));
  doEvents();
  if (!loaded_) return;  // closed meanwhile
  Option1[0]->setValue(true);  // "Edit", which redraws when it was not selected
  redraw();
}

// ---- Mouse ---------------------------------------------------------------------------

// A press counts on the photo only (before any photo, on the whole box); the
// moves and the release of a press on the photo follow it wherever they go.
// A press off the photo also ends an earlier press whose release never came
// back (a message box or another window took it), so that release can no
// longer reach the photo as a stale zoom or drag.
void Form2::boxMouseDown(int button, int shift, double x, double y) {
  if (Image1->hasPicture() && !Image1->contains(x, y)) {
    pressOnPhoto_ = false;
    return;
  }
  pressOnPhoto_ = true;
  const TwipRect& r = Image1->placement();
  Image1_MouseDown(button, shift, x - r.left, y - r.top);
}

// A press off the photo keeps the mouse to the photo box: its moves never
// reach the photo, even over it.
void Form2::boxMouseMove(int button, int shift, double x, double y) {
  if (!pressOnPhoto_ && (button != 0 || (Image1->hasPicture() && !Image1->contains(x, y))))
    return;
  const TwipRect& r = Image1->placement();
  Image1_MouseMove(button, shift, x - r.left, y - r.top);
}

void Form2::boxMouseUp(int button, int shift, double x, double y) {
  if (!pressOnPhoto_) return;
  pressOnPhoto_ = false;
  const TwipRect& r = Image1->placement();
  Image1_MouseUp(button, shift, x - r.left, y - r.top);
}

void Form2::Image1_MouseDown(int button, int, double x, double y) {
  if (button == 2) {
    Picture1->clear();
    startZoomBox(zoomBox, x, y);
    return;
  }
  const TwipRect& r = Image1->placement();
  const double px = r.left + x, py = r.top + y;
  if (Option1[0]->value()) {
    pickPoint(cambers, zoom, px, py, SelectedCamber, SelectedPoint);
    return;
  }
  int n = 0;
  if (addPoint(cambers, zoom, CurrentCamber, px, py, n) == AddResult::MovedRight) {
    // The modal reminder takes the button's release: the press ends here.
    pressOnPhoto_ = false;
    msgBox(this, "Please move left to right or start a new camber.", "Hey!", MsgButtons::Ok,
           MsgIcon::Warning);
  }
  DrawTracingMarker(cambers, zoom, CurrentCamber, n, *Picture1);
}

void Form2::Image1_MouseMove(int button, int, double x, double y) {
  if (button == 2) {
    moveZoomBox(zoomBox, y, kPhotoBoxSize, kPhotoBoxSize);
    Picture1->box(zoom.offsetX + zoomBox.startX, zoom.offsetY + zoomBox.startY,
                  zoom.offsetX + zoomBox.endX, zoom.offsetY + zoomBox.endY, 2);
    return;
  }
  if (!Option1[0]->value() || button == 0) return;
  const TwipRect& r = Image1->placement();
  dragPoint(cambers, zoom, SelectedCamber, SelectedPoint, r.left + x, r.top + y);
  Picture1->clear();
  DrawDragLines(cambers, zoom, *Picture1);
}

// A right release: zoomed, back to the fit; fitted, into the box drawn.
void Form2::ZoomPhoto() {
  Placement p = imagePlacement();
  if (zoom.scale != 1.0) {
    zoomOut(p, zoom, kPhotoBoxSize, kPhotoBoxSize, aspect_);
    placeImage(p);
    return;
  }
  if (!zoomIn(zoomBox, kPhotoBoxSize, p, zoom)) return;
  placeImage(p);
  Option1[0]->setValue(true);  // "Edit", with its own redraw when it was not selected
}

}  // namespace kes
