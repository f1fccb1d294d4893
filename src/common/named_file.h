#pragma once
// Names in the current folder looked up as the sailmaker's files always
// were: a name matches a file whose name differs from it only in case.

#include <string>
#include <string_view>

namespace kes {

// Whether two names are equal when ASCII letters are compared without case.
bool sameIgnoringCase(std::string_view a, std::string_view b);

// The file in the current folder that a plain name means: the exact name
// when such a file exists, else the first file (in name order) whose name
// differs only in case, else the empty text. "*" and "?" match only
// themselves; an empty name or one with a folder part means no file.
std::string findNamedFile(const std::string& name);

}  // namespace kes
