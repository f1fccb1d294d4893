// Finishing a radial plot file: every point turned by the file's angle,
// the panel previewed flat on the plan view, its width measured, the widest
// panel kept, the progress caption built.

#include <charconv>
#include <cmath>

#include "common/lines.h"
#include "platform/surface.h"
#include "radial/radial_develop.h"

namespace kes {

namespace {
// Appends a whole number as it stands in a point line.
void appendWhole(std::string& out, std::int64_t v) {
  char buf[24];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  out.append(buf, r.ptr);
}
}  // namespace

RadialFinished FinishRadialFile(std::string_view text, double angle, std::string_view label,
                                double scaleX, double scaleY, RadialFinishState& st,
                                Surface* preview, double anchorX, double anchorY) {
  RadialFinished out;
  out.text.reserve(text.size() + text.size() / 8);
  const double c = std::cos(angle), s = std::sin(angle);
  double curX = -100000, curY = -100000;
  // The width is the panel's span across: from its lowest to its highest
  // turned point, wherever the panel lies about the X axis. A file with no
  // point under a tool keeps the start values 0 and 10000 (-10000 wide).
  double widthMax = 0, widthMin = 10000;
  bool spanned = false;

  LineReader lines(text);
  std::string_view line;
  while (lines.next(line)) {
    if (line.find("pen") != std::string_view::npos) {  // the tool lines
      const bool penDown = line.find("1 pendown") != std::string_view::npos;
      if (penDown || line.find("0 pendown") != std::string_view::npos) {
        st.ToolState = penDown ? 1 : 2;
        if (preview) preview->point(anchorX + curX, anchorY + curY);
      }
      if (line.find("penup") != std::string_view::npos) st.ToolState = 0;
    }
    if (!IsPointLine(line)) {
      out.text.append(line);
      out.text.append(kLineEnd);
      continue;
    }
    const PointLineParts parts = SplitPointLine(line);
    Num x = Num(PointLineStep(parts.x)) / Num(scaleX);
    Num y = Num(PointLineStep(parts.y)) / Num(scaleY);
    if (!x.good() || !y.good()) x = y = Num(0);
    if (preview && st.ToolState != 0)
      preview->lineTo(anchorX + x.v, anchorY + y.v, st.ToolState == 1 ? kLightBlue : kLightRed);
    curX = x.v;
    curY = y.v;
    const double tx = x.v * c - y.v * s;
    const double ty = x.v * s + y.v * c;
    if (st.ToolState != 0) {
      if (!spanned || ty > widthMax) widthMax = ty;
      if (!spanned || ty < widthMin) widthMin = ty;
      spanned = true;
    }
    if (widthMax - widthMin > st.WidestWidth) {
      st.WidestWidth = widthMax - widthMin;
      st.WidestLabel.assign(label);
    }
    // The turned line written straight into the file's text, rounded
    // halves away from zero, its tail kept (no line of its own built first).
    const auto X = RoundStep(tx * scaleX), Y = RoundStep(ty * scaleY);
    if (X && Y) {
      appendWhole(out.text, *X);
      out.text.push_back(' ');
      appendWhole(out.text, *Y);
      out.text.append(parts.tail);
      out.text.append(kLineEnd);
    } else {
      out.whole = false;
    }
  }
  out.width = widthMax - widthMin;
  out.caption = "Developing: " + std::string(label) + " at " + format0_00(out.width) +
                " (max=" + format0_00(st.WidestWidth) + ")";
  return out;
}

std::string WidestCaption(const RadialFinishState& st, bool inches, bool millimeters, bool feet) {
  std::string t = "Widest: Panel " + st.WidestLabel + " is " + format0_00(st.WidestWidth);
  if (inches) t += " inches";
  if (millimeters) t += " mm";
  if (feet) t += " feet";
  return t;
}

}  // namespace kes
