#pragma once
// Plot lettering: a panel's or patch's name drawn in pen strokes of a stroke
// font, so that the cut panel or patch can be told from the others.
//
// The font is a text of stroke records, fields separated by commas or line
// ends, a field in double quotes losing its quotes: the character, the
// number of points n, then n pairs px, py in eighths of the character cell
// (0..8, x to the right, y up). A character may have several records.
//
// The API, shared by every develop:
//
//   StrokeFont font = LoadStrokeFont();  // quilda.fnt here, else the built-in one
//   LabelStyle style{"PNL3", u.MarkSize, angle, u.LetterOriginX, u.LetterOriginY};
//   WritePlotLabel(plot, font, style);   // appends the strokes to a PlotText
//
// Load the font once per run; WritePlotLabel writes what reading the font
// file anew for every character would write.

#include <string>
#include <string_view>
#include <vector>

#include "develop/plot_file.h"

namespace kes {

// One stroke: its character's name as read (matched only when it is one
// character), its points in cell eighths (x, y pairs).
struct Stroke {
  char name = 0;        // upper-cased; 0 for a name of other than one character
  std::vector<double> points;  // px1, py1, px2, py2, ...
};

struct StrokeFont {
  std::vector<Stroke> strokes;  // in the file's order
  bool present = false;         // false: no font, nothing is lettered
};

// Parses a font text. Numbers that are not numbers read 0; a count of 0 or
// below gives a record without points; a record cut short by the end of the
// text is dropped whole (a half-read stroke would leave the pen down).
StrokeFont ParseStrokeFont(std::string_view text);

// The user's "quilda.fnt" from the current folder when there is one, its
// name in any case (any text; a file that cannot be read counts as absent),
// otherwise the
// program's own font (A-Z, 0-9, - _ . / #, converted from the Hershey
// simplex roman glyphs).
// Tests name another file: the program itself never writes a font file.
inline constexpr const char* kUserFontFile = "quilda.fnt";
inline constexpr std::size_t kMaxFontBytes = 4 * 1024 * 1024;
StrokeFont LoadStrokeFont(const std::string& fileName = kUserFontFile);

// The program's own font text, in the same record layout.
extern const char kBuiltinStrokeFont[];
const StrokeFont& BuiltinStrokeFont();

struct LabelStyle {
  std::string_view LetterText;
  float MarkSize = 0.375f;  // cell size in design units, single precision as stored
  float LetterAngle = 0;    // radians, counter-clockwise, single precision as stored
  double LetterOriginX = 0, LetterOriginY = 0;
};

// Letters style.LetterText into the plot: character c (from 1) takes the
// cell (c - 1) × MarkSize to the right of the origin; each stroke of a
// matching record (names compared without regard to case) becomes
// "1 penup", its first point, "1 pendown", its further points, "1 penup";
// each point x = (c - 1)·MarkSize + px/8·MarkSize, y = py/8·MarkSize, turned
// by LetterAngle about the text's origin, then moved by the origin, written
// as a PlotPoint line. A point that cannot be written is skipped.
void WritePlotLabel(PlotText& plot, const StrokeFont& font, const LabelStyle& style);

}  // namespace kes
