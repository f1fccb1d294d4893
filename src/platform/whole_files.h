#pragma once
// Files written whole or not at all, read up to a limit, and found by name
// without regard to case.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kes {

// Writes through a temporary file that replaces path only once everything is
// written; false, with any old file left as it was, when that fails.
bool writeWholeFile(const std::string& path, std::string_view bytes);

// The first maxBytes of a file; nothing when it cannot be read.
std::optional<std::string> readFileStart(const std::string& path, std::size_t maxBytes);

// The file in path's folder whose name equals path's name without regard to
// case (the exact name first), with its folder; empty when there is none.
std::string findFileNoCase(const std::string& path);

}  // namespace kes
