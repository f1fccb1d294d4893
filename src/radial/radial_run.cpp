// The radial develop run: band 1 laid flat once for the tack fan and the
// clew fan, then every higher band laid flat for its own panels.

#include <algorithm>
#include <memory>

#include "radial/radial_writer.h"

namespace kes {

RadialBand RadialBandFromStrip(const PanelLayout& layout, int r, const RadialStrip& strip) {
  RadialBand b;
  b.r = r;
  b.strip = strip;
  b.frames = MakeBandFrames(layout.SeamLines[r - 1], layout.SeamLines[r], b.strip);
  return b;
}

RadialBand DevelopRadialBand(const PanelLayout& layout, int r) {
  auto flat = std::make_unique<FlatStrip>();
  DevelopStrip(layout.SeamLines[r - 1], layout.SeamLines[r], *flat);
  return RadialBandFromStrip(layout, r, RadialStripFrom(*flat));
}

RadialDevelop::RadialDevelop(const RadialInput& in) : in_(in) {}

bool RadialDevelop::next(RadialPanelFile& out) {
  const PanelLayout& lay = *in_.layout;
  // Bands past the layout's sections have no panels.
  const int bands = std::min(lay.PanelCount, PanelLayout::kSections - 1);
  if (bands < 1) return false;
  while (section_ <= bands) {
    if (panel_ < radial::sectionCount(lay, section_)) {
      if (!bandBuilt_) {
        band_ = DevelopRadialBand(lay, section_ < 2 ? 1 : section_);
        bandBuilt_ = true;
      }
      ++panel_;
      if (section_ == 0)
        out = WriteTackPanel(in_, band_, panel_);
      else if (section_ == 1)
        out = WriteClewPanel(in_, band_, panel_);
      else
        out = WriteBandPanel(in_, band_, panel_);
      return true;
    }
    ++section_;  // band 1 serves both fans
    panel_ = 0;
    if (section_ >= 2) bandBuilt_ = false;
  }
  return false;
}

}  // namespace kes
