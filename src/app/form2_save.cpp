// "Save": the tracing into the analysis file beside the open photo, the
// grid into the mold file, then the window hides.

#include "analyser/analysis_file.h"
#include "analyser/mold_export.h"
#include "app/form2.h"
#include "platform/atomic_file.h"
#include "platform/dialogs.h"
#include "platform/file_lookup.h"

namespace kes {

bool Form2::writeOrSay(const std::string& name, const std::string& bytes) {
  if (writeFileAtomically(name, bytes)) return true;
  msgBox(this, "Could not write " + name + ".", "Vestrel Design Sail Analyzer", MsgButtons::Ok,
         MsgIcon::Warning);
  return false;
}

void Form2::Save_Click() {
  const std::optional<std::string> comment =
      inputBox(this, "Enter your comments to save with this bitmap:", "Comments",
               windowTitle().toStdString());
  if (!comment) return;  // Cancel: nothing written, the window stays
  bool written = true;
  // The tracing belongs to the photo that is open, whatever the lists show now.
  if (!openedPhoto.empty()) {
    const std::string name = analysisFileName(openedPhoto);
    const std::string existing = findFileNoCase(name);
    written = writeOrSay(existing.empty() ? name : existing, writeAnalysis(*comment, cambers));
  }
  const std::string mold = Text5->text();
  if (!mold.empty()) {
    ResultGrid grid;
    for (int c = 0; c < 5; ++c)
      for (int k = 0; k < kCambers; ++k) grid.text[c][k] = gridBox(c, k)->text();
    written = writeOrSay(mold, moldFileText(grid)) && written;
  }
  if (written) hide();
}

}  // namespace kes
