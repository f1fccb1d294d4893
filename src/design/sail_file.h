#pragma once
// The sail file (<name>.sal, 40 lines) and the mold file (<name>.mld, 25
// lines) as plain values, to and from their bytes.

#include <string>
#include <string_view>

namespace kes {

inline constexpr int kSailLines = 40;
inline constexpr int kMoldLines = 25;

// The size boxes of lines 6 to 18, in file order (Text1, Text6, ...).
inline constexpr int kSailSizeBoxes[13] = {1, 6, 7, 8, 9, 2, 5, 3, 12, 13, 4, 10, 11};

// Texts and cells hold the file's bytes (Latin-1).
struct SailFile {
  std::string date, comments;                         // lines 1, 2
  bool inches = false, millimeters = false, feet = false;  // lines 3 to 5
  double size[13] = {};                               // lines 6 to 18, as kSailSizeBoxes
  std::string moldName, panelName;                    // lines 19, 20
  // Lines 21 to 35, batten row by row (length, angle, position), row 0 first.
  std::string batLngth[5], batAngl[5], batPos[5];
  // Lines 36 to 39, reef row by row (points, position).
  std::string numReef[2], reefPos[2];
  bool black = false;  // line 40: only exactly -1 means the black scheme
};

struct MoldFile {
  double twist = 0;  // line 1
  // Station s (0 the foot .. 5): lines 2 + 4s to 5 + 4s.
  double ent[6] = {}, dep[6] = {}, pos[6] = {}, ex[6] = {};
};

std::string writeSailFile(const SailFile& sail);
std::string writeMoldFile(const MoldFile& mold);

// What a reader made of a file: the values (emptied where a line could not be
// read) and, by line number 1..N, which lines could not be read.
struct SailRead {
  SailFile sail;
  bool failed[kSailLines + 1] = {};
  int failures() const;
};
struct MoldRead {
  MoldFile mold;
  bool failed[kMoldLines + 1] = {};
  int failures() const;
};

SailRead readSailFile(std::string_view bytes);
MoldRead readMoldFile(std::string_view bytes);

}  // namespace kes
