#pragma once
// Files found by name without regard to case, in any folder.

#include <string>

namespace kes {

// The file in path's folder whose name equals path's name without regard to
// case (the exact name first), with its folder; empty when there is none.
std::string findFileNoCase(const std::string& path);

}  // namespace kes
