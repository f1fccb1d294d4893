#pragma once
// Plot files: the command language every develop writes for the plotter or
// cutting table, built in memory and handed to the window to be written.
//
// A plot file is one command a line, every line (the last too) ended by
// CR LF: "start_plot", point lines "<X> <Y> acut" in whole plotter steps,
// "1 pendown"/"1 penup" (tool 1, the pen), "0 pendown"/"0 penup" (tool 0, the
// knife), "/* cut edge plus seam widths */", "end_plot".
//
// The API, shared by the crosscut, radial and reinforcement develops:
//
//   PlotUnits u = SetPlotUnits(scaleX, scaleY, millimeters, feet);
//   PlotText f(u.PlotScaleX, u.PlotScaleY);
//   f.line(kPlotStart);
//   f.point(x, y);            // PlotPoint: design units, rounded down
//   f.line(kPenDown); ...
//   f.line(kPlotEnd);
//   f.text()                  // the whole file, CR LF line ends
//
// Finishing passes split a point line (IsPointLine, SplitPointLine), read
// its numbers back (PointLineX/Y), turn the point and write it again with
// TurnedLine, which rounds halves away from zero.
//
// A coordinate that is not finite or does not fit 32 bits is never written:
// the point line is skipped as a whole (the project's skip rule) and point()
// says so. "-0" is never written.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/lines.h"

namespace kes {

inline constexpr std::string_view kPlotStart = "start_plot";
inline constexpr std::string_view kPlotEnd = "end_plot";
inline constexpr std::string_view kPenDown = "1 pendown";
inline constexpr std::string_view kPenUp = "1 penup";
inline constexpr std::string_view kKnifeDown = "0 pendown";
inline constexpr std::string_view kKnifeUp = "0 penup";
inline constexpr std::string_view kPlotComment = "/* cut edge plus seam widths */";
inline constexpr std::string_view kLineEnd = "\r\n";

// The plot scale and lettering values of the design unit.
struct PlotUnits {
  double PlotScaleX = 500, PlotScaleY = 500;  // plotter steps per design unit
  float MarkSize = 0.375f;                    // lettering cell and mark size (single precision)
  double LetterOriginX = 0.25, LetterOriginY = 0.25;
  std::string_view UnitWord = " inches";      // follows numbers in the report and captions
};

// The scales in steps per inch (ReadPlotScale) made steps per design unit:
// inches keep them (size 0.375, origin 0.25); millimetres divide by 25.4
// (size 9.0, origin 6.4); feet multiply by 12 (size 0.03, origin 0.021).
// Two separate tests in this order: with both marks, ÷25.4 then ×12 and the
// feet values stand. Negative scales (a mirrored plotter) stay negative.
PlotUnits SetPlotUnits(double scaleXPerInch, double scaleYPerInch, bool millimeters, bool feet);

// A whole number of plotter steps: the first pass rounds down (12.7 -> 12,
// -12.2 -> -13, -0.5 -> -1), the finishing pass halves away from zero
// (2.5 -> 3, -2.5 -> -3). Empty when the value is not finite or the whole
// number lies outside the 32-bit range.
std::optional<std::int64_t> FloorStep(double steps);
std::optional<std::int64_t> RoundStep(double steps);

// "<X> <Y><tail>" of two whole numbers ("-12 4375 acut" with tail " acut").
std::string PointLineText(std::int64_t x, std::int64_t y, std::string_view tail = " acut");

// One plot file's text, built in memory.
class PlotText {
 public:
  PlotText() = default;
  PlotText(double scaleX, double scaleY) : scaleX_(scaleX), scaleY_(scaleY) {}

  void setScale(double scaleX, double scaleY) { scaleX_ = scaleX; scaleY_ = scaleY; }
  double scaleX() const { return scaleX_; }
  double scaleY() const { return scaleY_; }

  // Appends one line and its CR LF.
  void line(std::string_view text);
  // PlotPoint: x and y in design units, times the scales, rounded down.
  // False (nothing written) when either number cannot be written; the
  // point is then counted as dropped, and the file cannot be cut.
  bool point(double x, double y);

  const std::string& text() const { return text_; }
  int dropped() const { return dropped_; }
  void clear() {
    text_.clear();
    dropped_ = 0;
  }
  void reserve(std::size_t n) { text_.reserve(n); }

 private:
  double scaleX_ = 500, scaleY_ = 500;
  std::string text_;
  int dropped_ = 0;  // points that could not be written
};

// A point line holds "acut", "aline" or "spline_pt" anywhere (exact case);
// the reinforcement rewrite knows "acut" only.
bool IsPointLine(std::string_view line);
bool IsAcutLine(std::string_view line);

// The X text (before the first blank), the Y text (up to the next blank) and
// the tail (from that blank on, " acut"). A line without a second blank has
// an empty tail; one without any blank an empty Y.
struct PointLineParts {
  std::string_view x, y, tail;
};
PointLineParts SplitPointLine(std::string_view line);

// A point line's numbers in plotter steps: each text parsed as a number, 0
// when it is not one (" 12abc" is 12).
double PointLineStep(std::string_view numberText);

// The finishing pass's line for a point turned to (x, y) design units:
// x × scaleX and y × scaleY rounded halves away from zero, then the tail.
// Empty when a number cannot be written (the line is then dropped).
std::optional<std::string> TurnedLine(double x, double y, double scaleX, double scaleY,
                                      std::string_view tail);

// Lines of a plot file's text: LineReader of common/lines.h.

// Name patterns of the plot files each develop deletes before it writes:
// only names ending ".uc" or ".pic" (a design "pnlsail.sal" or a text
// "pnl.txt" stays). Matched without regard to case, in this order.
inline constexpr const char* kCrosscutPlotPatterns[] = {
    "panl*.uc", "panl*.pic", "pnl*.uc", "pnl*.pic", "lensfoot.uc", "twstfoot.uc"};
inline constexpr const char* kReinforcementPlotPatterns[] = {
    "bat*.uc", "reef*.uc", "tack*.uc", "rtack*.uc", "clew*.uc", "rclew*.uc", "head*.uc", "peak*.uc"};

// The scratch file the finishing passes leave their unturned copy in.
inline constexpr const char* kTempFile = "temp.txt";

}  // namespace kes
