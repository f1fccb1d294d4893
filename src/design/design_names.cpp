#include "design/design_names.h"

#include <cstdio>

namespace kes {

namespace {

// Byte length of the first n UTF-8 characters of text (all of it when shorter).
std::size_t firstCharacters(std::string_view text, int n) {
  std::size_t i = 0;
  for (int k = 0; k < n && i < text.size(); ++k) {
    ++i;
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
  }
  return i;
}

std::string twoDigits(int v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", v);
  return buf;
}

}  // namespace

std::array<std::string, 4> designNameSteps(std::string_view text, std::string_view extension) {
  std::array<std::string, 4> steps;
  const std::size_t slash = text.find_last_of("/\\");
  if (slash != std::string_view::npos) text.remove_prefix(slash + 1);
  steps[0] = std::string(text);
  const std::size_t dot = text.find('.');
  if (dot != std::string_view::npos) text = text.substr(0, dot);
  steps[1] = std::string(text);
  text = text.substr(0, firstCharacters(text, 8));
  steps[2] = std::string(text);
  steps[3] = steps[2] + std::string(extension);
  return steps;
}

bool isPlainName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of("/\\") == std::string_view::npos;
}

std::string dateText(const Clock& now) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", now.month, now.day, now.year);
  return buf;
}

std::string reportHeader(const Clock& now, std::string_view sail, std::string_view mold,
                         std::string_view panels) {
  std::string out = dateText(now);
  out += "    " + twoDigits(now.hour) + ":" + twoDigits(now.minute) + ":" + twoDigits(now.second);
  out += "\r\nLoaded Sail:  ";
  out += sail;
  out += "\r\nLoaded Mold:  ";
  out += mold;
  out += "\r\nLoaded Pnls:  ";
  out += panels;
  out += "\r\n\r\n";
  return out;
}

}  // namespace kes
