#pragma once
// Files found by name without regard to case, and read up to a limit.

#include <cstddef>
#include <optional>
#include <string>

namespace kes {

// The file in path's folder whose name equals path's name without regard to
// case (the exact name first), with its folder; empty when there is none.
std::string findFileNoCase(const std::string& path);

// The first maxBytes of a file; nothing when it cannot be read.
std::optional<std::string> readFileStart(const std::string& path, std::size_t maxBytes);

}  // namespace kes
