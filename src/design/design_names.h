#pragma once
// Design file names, the report's header and the "Now" date.

#include <array>
#include <string>
#include <string_view>

namespace kes {

// The name rule of a name box, as the texts the box takes one step after the
// other (each is written into the box): any folder part dropped (up to the
// last "/" or "\"), cut at the first ".", cut to its first 8 characters, the
// extension added. "Main.old.sal" ends as "Main.sal", "verylongname" as
// "verylong.sal", "" as ".sal", "/x" as "x.sal". Texts are UTF-8; a
// character counts once however many bytes it takes.
std::array<std::string, 4> designNameSteps(std::string_view text, std::string_view extension);

// True for a name that can only mean a file in the current folder: not
// empty, no folder part, not "." or "..".
bool isPlainName(std::string_view name);

struct Clock {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// "MM-DD-YYYY".
std::string dateText(const Clock& now);

// The five header lines of results.txt, CR LF ended, the names in 14-column
// print zones: "MM-DD-YYYY    HH:MM:SS", "Loaded Sail:  <sail>",
// "Loaded Mold:  <mold>", "Loaded Pnls:  <panels>", "". Names as bytes.
std::string reportHeader(const Clock& now, std::string_view sail, std::string_view mold,
                         std::string_view panels);

}  // namespace kes
