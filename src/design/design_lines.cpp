#include "design/design_lines.h"

#include <cmath>

#include "common/numbers.h"

namespace kes {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

Num lineNumber(std::string_view line) {
  std::size_t b = 0;
  while (b < line.size() && isBlank(line[b])) ++b;
  std::size_t e = b;
  while (e < line.size() && !isBlank(line[e]) && line[e] != ',') ++e;
  return parseLeading(line.substr(b, e - b));
}

std::string_view lineCell(std::string_view line) {
  std::size_t b = 0;
  while (b < line.size() && isBlank(line[b])) ++b;
  return line.substr(b);
}

double boxNumber(std::string_view text) {
  const Num n = parseLeading(text);
  return n.good() ? n.v : 0.0;
}

Field<std::string> FieldReader::text() {
  std::string_view line;
  if (!lines_.next(line)) return {std::string(), false};
  return {std::string(line), true};
}

Field<std::string> FieldReader::cell() {
  std::string_view line;
  if (!lines_.next(line)) return {std::string(), false};
  return {std::string(lineCell(line)), true};
}

Field<double> FieldReader::number() {
  std::string_view line;
  if (!lines_.next(line)) return {0.0, false};
  const Num n = lineNumber(line);
  if (!n.good()) return {0.0, false};
  return {n.v, true};
}

Field<bool> FieldReader::flag() {
  const Field<double> n = number();
  return {n.value != 0.0, n.ok};
}

void LineWriter::text(std::string_view latin1) {
  for (const char c : latin1) out_ += (c == '\r' || c == '\n') ? ' ' : c;
  out_ += "\r\n";
}

void LineWriter::number(double value) {
  out_ += designNumber(std::isfinite(value) ? value : 0.0);
  out_ += "\r\n";
}

void LineWriter::flag(bool on) { number(on ? -1.0 : 0.0); }

std::string latin1ToUtf8(std::string_view latin1) {
  std::string out;
  out.reserve(latin1.size());
  for (const char ch : latin1) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::string utf8ToLatin1(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      out += utf8[i++];
      continue;
    }
    // The length of the sequence from its lead byte; a broken one counts one byte.
    const std::size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    bool whole = n > 1 && i + n <= utf8.size();
    for (std::size_t k = 1; whole && k < n; ++k)
      whole = (static_cast<unsigned char>(utf8[i + k]) & 0xC0) == 0x80;
    if (whole && n == 2 && c <= 0xC3) {
      out += static_cast<char>(((c & 0x03) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F));
    } else {
      out += '?';
    }
    i += whole ? n : 1;
  }
  return out;
}

bool fitsLatin1(std::string_view utf8) { return latin1ToUtf8(utf8ToLatin1(utf8)) == utf8; }

}  // namespace kes
