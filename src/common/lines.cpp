#include "common/lines.h"

namespace kes {

LineReader::LineReader(std::string_view bytes) : rest_(bytes) {
  if (rest_.substr(0, 3) == "\xEF\xBB\xBF") rest_.remove_prefix(3);
}

bool LineReader::next(std::string_view& line) {
  if (rest_.empty()) return false;
  std::size_t len = 0;  // a plain loop: find_first_of searches the set for every byte
  while (len < rest_.size() && rest_[len] != '\r' && rest_[len] != '\n') ++len;
  line = rest_.substr(0, len < kMaxLineBytes ? len : kMaxLineBytes);
  std::size_t skip = len;
  if (skip < rest_.size()) {
    skip += (rest_[skip] == '\r' && skip + 1 < rest_.size() && rest_[skip + 1] == '\n') ? 2 : 1;
  }
  rest_.remove_prefix(skip);
  return true;
}

}  // namespace kes
