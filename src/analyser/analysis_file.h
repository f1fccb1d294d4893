#pragma once
// The analysis file beside a photo: a comment line, then for cambers 1..5 a
// count line and one line of x and y per traced point. Lines end in CR LF;
// numbers take the form " 12.5 " / "-.25 " (sign position, no leading zero,
// no trailing zeros, one trailing blank); y starts at the next 14-column
// print zone after x.

#include <string>
#include <string_view>

#include "analyser/tracing.h"

namespace kes {

// The largest comment kept, in bytes.
inline constexpr std::size_t kCommentLimit = 64 * 1024;

// The photo path with its file name's last extension replaced by "anl"
// ("sails/main.new.bmp" -> "sails/main.new.anl", "sails.v2/main" ->
// "sails.v2/main.anl"). A dot in a folder name is not an extension.
std::string analysisFileName(const std::string& photoPath);

// A coordinate in the file's number form, kept to 7 significant digits.
std::string analysisNumber(double value);

// The comment as it is kept: valid UTF-8 (a text that is not is taken as
// Latin-1), line breaks and other control characters as blanks, at most
// kCommentLimit bytes, cut at a character's start.
std::string cleanComment(std::string_view raw);

// The whole file.
std::string writeAnalysis(const std::string& comment, const Tracing& t);

// Reads a file's text into the comment and the cambers. Line 1 is the
// comment, whole (CR LF, LF or CR end a line); then fields split at commas
// and runs of blanks (an empty line is one empty field), each read by the
// lenient parse. A count is made
// whole (half to even) and kept within 0..25; pairs beyond 25 are skipped.
// A file that ends early leaves its camber the complete pairs read and the
// cambers after it empty. The counts of t are set for every camber; the
// points beyond a camber's count are not touched.
void readAnalysis(std::string_view text, std::string& comment, Tracing& t);

}  // namespace kes
