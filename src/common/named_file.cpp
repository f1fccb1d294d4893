#include "common/named_file.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace kes {

namespace {
char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

std::string findNamedFile(const std::string& name) {
  namespace fs = std::filesystem;
  if (name.empty() || name == "." || name == ".." ||
      name.find_first_of("/\\") != std::string::npos || name.find('\0') != std::string::npos)
    return {};
  std::error_code ec;
  if (fs::is_regular_file(fs::path(name), ec)) return name;
  std::string found;
  fs::directory_iterator it(fs::path("."), ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    std::error_code fe;
    if (!it->is_regular_file(fe)) continue;
    const std::string candidate = it->path().filename().string();
    if (sameIgnoringCase(candidate, name) && (found.empty() || candidate < found)) found = candidate;
  }
  return found;
}

}  // namespace kes
