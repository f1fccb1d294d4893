#include "develop/finish.h"

#include <cmath>

#include "common/numbers.h"
#include "develop/plot_file.h"

namespace kes {

double FileAngle(const FlatStrip& f) {
  return -ChordAngle(f.P0[1], f.P0[FlatStrip::kTriangles]);
}

namespace {
bool has(std::string_view line, std::string_view what) { return line.find(what) != std::string_view::npos; }
// The files' own point lines ("12 -3 acut") hold no tool word; only other
// lines need the searches for one.
bool plainPoint(std::string_view line) {
  return line.size() >= 5 && line.substr(line.size() - 5) == " acut" && line.find('p') == std::string_view::npos;
}
}  // namespace

void CopyPass(std::string_view firstPass, double scaleX, double scaleY, Point2 anchor,
              Surface* preview, std::string& temp) {
  temp.clear();
  temp.reserve(firstPass.size());
  enum class Tool { None, Pen, Knife } tool = Tool::None;
  double xPrev = -100000, yPrev = -100000;
  const auto at = [&](double x, double y) { return Point2{anchor.x + x / scaleX, anchor.y + y / scaleY}; };
  LineReader in(firstPass);
  std::string_view line;
  while (in.next(line)) {
    if (!plainPoint(line)) {
      if (has(line, "1 pendown") || has(line, "0 pendown")) {
        tool = has(line, "1 pendown") ? Tool::Pen : Tool::Knife;
        const Point2 p = at(xPrev, yPrev);
        if (preview != nullptr && std::isfinite(p.x) && std::isfinite(p.y)) preview->point(p.x, p.y);
      } else if (has(line, "penup")) {
        tool = Tool::None;
      }
    }
    if (!IsPointLine(line)) {
      temp.append(line);
      temp.append(kLineEnd);
      continue;
    }
    const PointLineParts parts = SplitPointLine(line);
    const double x = PointLineStep(parts.x), y = PointLineStep(parts.y);
    if (x != xPrev || y != yPrev) {
      temp.append(line);
      temp.append(kLineEnd);
      const Point2 p = at(x, y);
      if (preview != nullptr && tool != Tool::None && std::isfinite(p.x) && std::isfinite(p.y))
        preview->lineTo(p.x, p.y, tool == Tool::Pen ? kLightBlue : kLightRed);
    }
    xPrev = x;
    yPrev = y;
  }
}

bool TurnPass(std::string_view temp, double angle, double scaleX, double scaleY, int i,
              WidthState& w, std::string& turned) {
  bool whole = true;
  turned.clear();
  turned.reserve(temp.size());
  const double c = std::cos(angle), s = std::sin(angle);
  bool down = false;
  LineReader in(temp);
  std::string_view line;
  while (in.next(line)) {
    if (!plainPoint(line)) {
      if (has(line, "pendown")) down = true;
      else if (has(line, "penup")) down = false;
    }
    if (!IsPointLine(line)) {
      turned.append(line);
      turned.append(kLineEnd);
      continue;
    }
    const PointLineParts parts = SplitPointLine(line);
    const double x = PointLineStep(parts.x) / scaleX, y = PointLineStep(parts.y) / scaleY;
    const double xt = x * c - y * s, yt = x * s + y * c;
    if (!std::isfinite(xt) || !std::isfinite(yt)) {
      whole = false;
      continue;
    }
    if (down) {
      if (yt > w.WidthMax) w.WidthMax = yt;
      if (yt < w.WidthMin) w.WidthMin = yt;
    }
    if (w.width() > w.WidestWidth) {
      w.WidestWidth = w.width();
      w.WidestIndex = i;
    }
    if (const auto out = TurnedLine(xt, yt, scaleX, scaleY, parts.tail)) {
      turned.append(*out);
      turned.append(kLineEnd);
    } else {
      whole = false;
    }
  }
  return whole;
}

std::string ProgressCaption(int i, const WidthState& w) {
  return "Developed: Crosscut " + std::to_string(i) + " at " + format0_00(w.width()) + " (max=" +
         format0_00(w.WidestWidth) + ")";
}

}  // namespace kes
