#include "develop/plot_file.h"

#include <cmath>

#include "common/numbers.h"

namespace kes {

PlotUnits SetPlotUnits(double scaleXPerInch, double scaleYPerInch, bool millimeters, bool feet) {
  PlotUnits u;
  u.PlotScaleX = scaleXPerInch;
  u.PlotScaleY = scaleYPerInch;
  if (millimeters) {
    u.PlotScaleX /= 25.4;
    u.PlotScaleY /= 25.4;
    u.MarkSize = 9.0f;
    u.LetterOriginX = u.LetterOriginY = 6.4;
    u.UnitWord = " mm";
  }
  if (feet) {
    u.PlotScaleX *= 12;
    u.PlotScaleY *= 12;
    u.MarkSize = 0.03f;
    u.LetterOriginX = u.LetterOriginY = 0.021;
    u.UnitWord = " feet";
  }
  return u;
}

namespace {

std::optional<std::int64_t> whole(double v) {
  if (!std::isfinite(v) || v < -2147483648.0 || v > 2147483647.0) return std::nullopt;
  return static_cast<std::int64_t>(v);  // exact: v is already whole; -0.0 becomes 0
}

void appendInt(std::string& out, std::int64_t v) {
  char buf[24];
  int n = 0;
  const bool negative = v < 0;
  std::uint64_t u = negative ? static_cast<std::uint64_t>(-v) : static_cast<std::uint64_t>(v);
  do {
    buf[n++] = static_cast<char>('0' + u % 10);
    u /= 10;
  } while (u != 0);
  if (negative) out.push_back('-');
  while (n > 0) out.push_back(buf[--n]);
}

}  // namespace

std::optional<std::int64_t> FloorStep(double steps) { return whole(std::floor(steps)); }
std::optional<std::int64_t> RoundStep(double steps) { return whole(std::round(steps)); }

std::string PointLineText(std::int64_t x, std::int64_t y, std::string_view tail) {
  std::string s;
  s.reserve(24 + tail.size());
  appendInt(s, x);
  s.push_back(' ');
  appendInt(s, y);
  s.append(tail);
  return s;
}

void PlotText::line(std::string_view text) {
  text_.append(text);
  text_.append(kLineEnd);
}

bool PlotText::point(double x, double y) {
  const auto X = FloorStep(x * scaleX_);
  const auto Y = FloorStep(y * scaleY_);
  if (!X || !Y) {
    ++dropped_;
    return false;
  }
  appendInt(text_, *X);
  text_.push_back(' ');
  appendInt(text_, *Y);
  text_.append(" acut");
  text_.append(kLineEnd);
  return true;
}

bool IsAcutLine(std::string_view line) { return line.find("acut") != std::string_view::npos; }

bool IsPointLine(std::string_view line) {
  if (line.size() >= 5 && line.substr(line.size() - 5) == " acut") return true;
  return IsAcutLine(line) || line.find("aline") != std::string_view::npos ||
         line.find("spline_pt") != std::string_view::npos;
}

PointLineParts SplitPointLine(std::string_view line) {
  PointLineParts p;
  const auto b1 = line.find(' ');
  if (b1 == std::string_view::npos) {
    p.x = line;
    return p;
  }
  p.x = line.substr(0, b1);
  const std::string_view rest = line.substr(b1 + 1);
  const auto b2 = rest.find(' ');
  if (b2 == std::string_view::npos) {
    p.y = rest;
    return p;
  }
  p.y = rest.substr(0, b2);
  p.tail = rest.substr(b2);
  return p;
}

double PointLineStep(std::string_view numberText) {
  // The plot files' own form, a sign and up to nine digits, read directly;
  // anything else as the lenient parse reads it.
  std::size_t i = 0;
  const bool negative = !numberText.empty() && numberText[0] == '-';
  if (negative) ++i;
  if (i < numberText.size() && numberText.size() - i <= 9) {
    long v = 0;
    for (; i < numberText.size(); ++i) {
      const char c = numberText[i];
      if (c < '0' || c > '9') return parseLenient(numberText);
      v = v * 10 + (c - '0');
    }
    return static_cast<double>(negative ? -v : v);
  }
  return parseLenient(numberText);
}

std::optional<std::string> TurnedLine(double x, double y, double scaleX, double scaleY,
                                      std::string_view tail) {
  const auto X = RoundStep(x * scaleX);
  const auto Y = RoundStep(y * scaleY);
  if (!X || !Y) return std::nullopt;
  return PointLineText(*X, *Y, tail);
}

}  // namespace kes
