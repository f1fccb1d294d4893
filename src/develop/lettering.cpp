#include "develop/lettering.h"

#include <cmath>
#include <filesystem>
#include <fstream>

#include "common/named_file.h"
#include "common/numbers.h"

namespace kes {

namespace {

// The sequential field reader: leading blanks skipped; a quoted field runs
// to its closing quote (what follows up to the separator is passed over);
// an unquoted field runs to the next comma or line end, trailing blanks
// cut. An empty line gives no field.
class FieldReader {
 public:
  explicit FieldReader(std::string_view text) : t_(text) {}

  bool next(std::string_view& field) {
    // Skip line ends left by the previous field (empty lines give nothing).
    while (at_ < t_.size()) {
      const char c = t_[at_];
      if (c == '\r' || c == '\n') {
        ++at_;
      } else if (c == ' ' || c == '\t') {
        ++at_;
      } else {
        break;
      }
    }
    if (at_ >= t_.size()) return false;
    if (t_[at_] == '"') {
      const std::size_t start = ++at_;
      while (at_ < t_.size() && t_[at_] != '"') ++at_;
      field = t_.substr(start, at_ - start);
      if (at_ < t_.size()) ++at_;  // the closing quote
      while (at_ < t_.size() && t_[at_] != ',' && t_[at_] != '\r' && t_[at_] != '\n') ++at_;
    } else {
      const std::size_t start = at_;
      while (at_ < t_.size() && t_[at_] != ',' && t_[at_] != '\r' && t_[at_] != '\n') ++at_;
      std::size_t end = at_;
      while (end > start && (t_[end - 1] == ' ' || t_[end - 1] == '\t')) --end;
      field = t_.substr(start, end - start);
    }
    if (at_ < t_.size() && t_[at_] == ',') ++at_;
    return true;
  }

 private:
  std::string_view t_;
  std::size_t at_ = 0;
};

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// The font file a name means: the name itself when such a file exists, else
// for a plain name the file of the current folder whose name differs only in
// case (the plot-file editor's QUILDA.FNT); empty when there is none.
std::filesystem::path fontFile(const std::string& fileName) {
  std::error_code ec;
  if (std::filesystem::is_regular_file(fileName, ec)) return fileName;
  return findNamedFile(fileName);
}

}  // namespace

StrokeFont ParseStrokeFont(std::string_view text) {
  StrokeFont font;
  font.present = true;
  FieldReader in(text);
  std::string_view name, field;
  while (in.next(name)) {
    if (!in.next(field)) break;  // no count: the record is cut short
    const double n = parseLenient(field);
    Stroke s;
    s.name = name.size() == 1 ? upper(name[0]) : 0;
    bool complete = true;
    // "For j = 1 To n": a count with a fraction runs while j <= n. Every
    // point needs two more fields, so the text bounds the loop.
    for (double j = 1; j <= n; ++j) {
      std::string_view px, py;
      if (!in.next(px) || !in.next(py)) {
        complete = false;
        break;
      }
      s.points.push_back(parseLenient(px));
      s.points.push_back(parseLenient(py));
    }
    if (!complete) break;
    font.strokes.push_back(std::move(s));
  }
  return font;
}

const StrokeFont& BuiltinStrokeFont() {
  static const StrokeFont font = ParseStrokeFont(kBuiltinStrokeFont);
  return font;
}

StrokeFont LoadStrokeFont(const std::string& name) {
  const std::filesystem::path fileName = fontFile(name);
  if (fileName.empty()) return BuiltinStrokeFont();
  std::error_code ec;
  std::ifstream f(fileName, std::ios::binary);
  if (!f.is_open()) return BuiltinStrokeFont();
  // A font is a few kilobytes; of a huge file the first part is read, and
  // the record it cuts short is dropped.
  const std::uintmax_t size = std::filesystem::file_size(fileName, ec);
  std::string text(ec || size > kMaxFontBytes ? kMaxFontBytes : static_cast<std::size_t>(size), '\0');
  f.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (f.bad()) return BuiltinStrokeFont();
  text.resize(static_cast<std::size_t>(f.gcount()));
  return ParseStrokeFont(text);
}

void WritePlotLabel(PlotText& plot, const StrokeFont& font, const LabelStyle& style) {
  if (!font.present) return;
  const double size = style.MarkSize;  // the single-precision value as stored
  const double angle = style.LetterAngle;
  const double ca = std::cos(angle), sa = std::sin(angle);
  for (std::size_t c = 0; c < style.LetterText.size(); ++c) {
    const char ch = upper(style.LetterText[c]);
    for (const Stroke& s : font.strokes) {
      if (s.name == 0 || s.name != ch) continue;
      const std::size_t n = s.points.size() / 2;
      for (std::size_t j = 0; j < n; ++j) {
        const double x = static_cast<double>(c) * size + s.points[2 * j] / 8 * size;
        const double y = s.points[2 * j + 1] / 8 * size;
        const double xt = x * ca - y * sa + style.LetterOriginX;
        const double yt = x * sa + y * ca + style.LetterOriginY;
        if (j == 0) plot.line(kPenUp);
        plot.point(xt, yt);
        if (j == 0) plot.line(kPenDown);
        if (j + 1 == n) plot.line(kPenUp);
      }
    }
  }
}

}  // namespace kes
