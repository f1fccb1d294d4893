#pragma once
// Lines of a text file's bytes, one by one, for every file the program
// reads back: the design files, plot files and their finishing passes.
//
// CR LF, LF or CR end a line; a last line without a line end still counts;
// an empty file has no lines. A UTF-8 byte-order mark at the start is
// skipped. At most kMaxLineBytes of one line are kept; the rest of a longer
// line is skipped. The lines are views into the bytes given.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kes {

inline constexpr std::size_t kMaxLineBytes = 64 * 1024;

class LineReader {
 public:
  explicit LineReader(std::string_view bytes);
  // The next line; false when the file holds no more.
  bool next(std::string_view& line);

 private:
  std::string_view rest_;
};

// Every line of a text, copied (for checks and reports that keep them).
inline std::vector<std::string> allLines(std::string_view bytes) {
  std::vector<std::string> out;
  LineReader r(bytes);
  std::string_view l;
  while (r.next(l)) out.emplace_back(l);
  return out;
}

}  // namespace kes
