#pragma once
// Design files on disk: whole files written through a temporary file that
// replaces the old one only once it is complete, so that a failed save
// leaves the old file as it was; whole files read as bytes; and plain names
// looked up in the current folder.

#include <optional>
#include <string>

namespace kes {

// Writes bytes as the file `name` (relative to the current folder, or a
// path). True when the file now holds them; otherwise the old file, if any,
// is unchanged and *why (when given) says what went wrong.
bool writeFileAtomically(const std::string& name, const std::string& bytes, std::string* why = nullptr);

// Writes bytes as the file `name` in place, replacing what it held: for a
// report that is rewritten often, where a half-written file costs nothing.
bool writeFileInPlace(const std::string& name, const std::string& bytes);

// The file's first maxBytes bytes, or nothing when it cannot be opened.
std::optional<std::string> readFileBytes(const std::string& name, std::size_t maxBytes);

// The file in the current folder that a plain name means: the exact name
// when such a file exists, else the first file whose name differs only in
// case, else the empty text. "*" and "?" match only themselves; an empty
// name or one with a folder part means no file.
std::string findNamedFile(const std::string& name);

// The name a save of `name` writes: the existing file in name's folder whose
// name equals it without regard to case (the exact name first, else the
// first in name order), with name's folder part as given; else name itself.
// So a design saved as "boat.sal" over "Boat.sal" keeps the name on disk.
std::string fileNameOnDisk(const std::string& name);

// Test hook: while set, a file whose name the hook accepts cannot be read,
// and writing it fails as a full disk would, after part of it was written.
void setFileFaultHook(bool (*fails)(const std::string& name));

}  // namespace kes
