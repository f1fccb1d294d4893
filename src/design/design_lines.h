#pragma once
// The line conventions the sail, mold and panel files share.
//
// A file is plain text, one value per line, each line ended by CR LF when
// written; CR LF, LF or CR end a line when read. Texts are kept as the file's
// own bytes (Latin-1), so every byte of an older file survives a load and a
// save; the window converts them where they meet a box. Four kinds of line:
//
// - text: a box's text as it stands (a line break in it is written as a blank);
// - cell: a batten or reef box as typed; read back as the whole line without
//   its leading blanks (commas included, so a comma never shifts a later line);
// - number: designNumber form (" 100 ", " .5 ", "-3 "); read back as the
//   number the line begins with after blanks, 0 when it begins with none;
// - flag: a number line holding -1 (set) or 0 (cleared).

#include <cstddef>
#include <string>
#include <string_view>

#include "common/checked.h"
#include "common/lines.h"

namespace kes {

// LineReader and kMaxLineBytes: common/lines.h.

// The number a line or a field begins with after blanks, up to the next
// blank or comma: " 12.50 " gives 12.5, "1000 1016" gives 1000, "7,2" gives
// 7, "abc" and "" give 0. Fails for a number beyond the range of a double.
Num lineNumber(std::string_view line);

// A cell: the whole line without its leading blanks.
std::string_view lineCell(std::string_view line);

// A box's text as the number a number line gets: the number the text begins
// with ("12 in" gives 12, "" gives 0); a number that cannot be formed (1e999)
// gives 0, so that its line is still written.
double boxNumber(std::string_view text);

// One value read from a line. ok is false when the line could not be read
// (the file ended, or its number lies beyond a double's range); the value is
// then the emptied one: 0, an empty text, unchecked.
template <class T>
struct Field {
  T value{};
  bool ok = true;
};

// Reads a design file line by line, each line as its kind.
class FieldReader {
 public:
  explicit FieldReader(std::string_view bytes) : lines_(bytes) {}
  Field<std::string> text();
  Field<std::string> cell();
  Field<double> number();
  Field<bool> flag();  // set when the number is not 0

 private:
  LineReader lines_;
};

// Writes a design file line by line, each line ended by CR LF.
class LineWriter {
 public:
  void text(std::string_view latin1);
  void number(double value);  // a value that is not finite is written as 0
  void flag(bool on);
  const std::string& bytes() const { return out_; }

 private:
  std::string out_;
};

// Box texts are UTF-8, file texts Latin-1. A character beyond Latin-1 (and a
// broken UTF-8 sequence) is written as "?".
std::string latin1ToUtf8(std::string_view latin1);
std::string utf8ToLatin1(std::string_view utf8);
// True when every character of a box's text has its Latin-1 byte, so that a
// file line holding the text reads back as the same text.
bool fitsLatin1(std::string_view utf8);

}  // namespace kes
