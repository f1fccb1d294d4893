#include "analyser/analysis_file.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "common/lines.h"
#include "common/numbers.h"

namespace kes {

namespace {

constexpr std::size_t kZone = 14;  // print zones of the point lines

// Length of the UTF-8 sequence starting at s[i], 0 when it is not valid.
std::size_t utf8Length(std::string_view s, std::size_t i) {
  const auto c = static_cast<unsigned char>(s[i]);
  std::size_t len = 0;
  unsigned min = 0;
  unsigned cp = 0;
  if (c < 0x80) return 1;
  if ((c & 0xE0) == 0xC0) { len = 2; min = 0x80; cp = c & 0x1Fu; }
  else if ((c & 0xF0) == 0xE0) { len = 3; min = 0x800; cp = c & 0x0Fu; }
  else if ((c & 0xF8) == 0xF0) { len = 4; min = 0x10000; cp = c & 0x07u; }
  else return 0;
  if (i + len > s.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    const auto d = static_cast<unsigned char>(s[i + k]);
    if ((d & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (d & 0x3Fu);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

bool validUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = utf8Length(s, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

// Splits the lines after the comment into fields: a comma or a run of
// blanks ends a field, a line end too; an empty line is one empty field.
class Fields {
 public:
  explicit Fields(LineReader& lines) : lines_(lines) {}

  // The next field; false at the end of the text.
  bool next(std::string_view& field) {
    for (;;) {
      skipBlanks();
      if (!line_.empty()) {
        std::size_t end = 0;
        while (end < line_.size() && line_[end] != ',' && !blank(line_[end])) ++end;
        field = line_.substr(0, end);
        line_.remove_prefix(end);
        skipBlanks();
        if (!line_.empty() && line_[0] == ',') line_.remove_prefix(1);
        return true;
      }
      if (emptyLine_) {
        emptyLine_ = false;
        field = {};
        return true;
      }
      if (!lines_.next(line_)) return false;
      skipBlanks();
      emptyLine_ = line_.empty();
    }
  }

 private:
  static bool blank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }
  void skipBlanks() {
    while (!line_.empty() && blank(line_[0])) line_.remove_prefix(1);
  }

  LineReader& lines_;
  std::string_view line_;
  bool emptyLine_ = false;
};

}  // namespace

std::string analysisFileName(const std::string& photoPath) {
  const std::size_t slash = photoPath.find_last_of('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = photoPath.find_last_of('.');
  if (dot == std::string::npos || dot < nameStart) return photoPath + ".anl";
  return photoPath.substr(0, dot + 1) + "anl";
}

std::string analysisNumber(double value) {
  if (!std::isfinite(value)) value = 0.0;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.7g", value);
  return designNumber(std::strtod(buf, nullptr) + 0.0);
}

std::string cleanComment(std::string_view raw) {
  std::string text;
  if (validUtf8(raw)) {
    text.assign(raw);
  } else {
    for (char ch : raw) {
      const auto c = static_cast<unsigned char>(ch);
      if (c < 0x80) {
        text += ch;
      } else {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
      }
    }
  }
  for (char& ch : text)
    if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F) ch = ' ';
  if (text.size() > kCommentLimit) {
    std::size_t cut = kCommentLimit;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    text.resize(cut);
  }
  return text;
}

std::string writeAnalysis(const std::string& comment, const Tracing& t) {
  std::string out = cleanComment(comment);
  out += "\r\n";
  for (int c = 1; c <= kCambers; ++c) {
    const int n = t.count[c] < 0 ? 0 : (t.count[c] > kCamberPoints ? kCamberPoints : t.count[c]);
    out += designNumber(n);
    out += "\r\n";
    for (int j = 1; j <= n; ++j) {
      const std::string x = analysisNumber(t.X[c][j]);
      out += x;
      out.append((kZone - x.size() % kZone) % kZone, ' ');
      out += analysisNumber(t.Y[c][j]);
      out += "\r\n";
    }
  }
  return out;
}

void readAnalysis(std::string_view text, std::string& comment, Tracing& t) {
  for (int c = 1; c <= kCambers; ++c) t.count[c] = 0;
  LineReader lines(text);
  std::string_view first;
  comment.clear();
  if (!lines.next(first)) return;
  comment = cleanComment(first);

  Fields fields(lines);
  std::string_view f;
  for (int c = 1; c <= kCambers; ++c) {
    if (!fields.next(f)) return;
    const double want = roundHalfEven(parseLenient(f));
    double pairs = 0.0;
    while (pairs < want) {
      std::string_view fx, fy;
      if (!fields.next(fx) || !fields.next(fy)) return;  // an incomplete pair is not kept
      pairs += 1.0;
      if (pairs <= kCamberPoints) {
        const int j = static_cast<int>(pairs);
        t.X[c][j] = parseLenient(fx);
        t.Y[c][j] = parseLenient(fy);
        t.count[c] = j;
      }
    }
  }
}

}  // namespace kes
