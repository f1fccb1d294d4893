#pragma once
// Files on disk, written by one writer. A file written whole (design files,
// plot files, the analyser's files) goes into a hidden temporary file beside
// it, every write and the close checked, which then takes the old file's
// place; a failed write leaves the old file as it was and removes the
// temporary file. A file written in place (the report's header, the scratch
// files of the develops' rotation pass) or added to (the report) is opened
// without following a link, every write and the close checked. Every writer
// writes an existing file whose name differs only in case under its name on
// disk. Whole files are read as bytes, plain names looked up in the folder.

#include <optional>
#include <string>
#include <string_view>

#include "common/named_file.h"  // findNamedFile, with the callers that look names up

namespace kes {

// Writes bytes as the file `name` (relative to the current folder, or a
// path). True when the file now holds them; otherwise the old file, if any,
// is unchanged and *why (when given) says what went wrong. A link of that
// name is replaced by the file, never written through. An existing file
// keeps its permissions; a new one gets those the user's file mask allows.
bool writeFileAtomically(const std::string& name, std::string_view bytes, std::string* why = nullptr);

// Writes bytes as the file `name` in place, replacing what it held: for a
// report or scratch file rewritten often, where a half-written file costs
// nothing.
// False when any write fails or `name` is a link.
bool writeFileInPlace(const std::string& name, std::string_view bytes);

// Adds bytes to the end of the file `name`, created when missing. False when
// any write fails or `name` is a link.
bool appendToFile(const std::string& name, std::string_view bytes);

// The name a save of `name` writes: the existing file in name's folder whose
// name equals it without regard to case (the exact name first, else the
// first in name order), with name's folder part as given; else name itself.
// So a design saved as "boat.sal" over "Boat.sal" keeps the name on disk.
std::string fileNameOnDisk(const std::string& name);

// Whether `leaf` (a name without folder) is one of the writer's temporary
// files: "." + the file's name + ".kes-" + six letters or digits.
bool isWriterTemporaryName(std::string_view leaf);

// Removes, in the current folder, the temporary files that a program killed
// during a save left behind; how many went.
int removeStaleTemporaryFiles();

// The file's first maxBytes bytes, or nothing when it cannot be opened.
std::optional<std::string> readFileBytes(const std::string& name, std::size_t maxBytes);

// Test hook: while set, a file whose name the hook accepts cannot be read
// (a failure a test cannot make for real when it runs with every right).
void setFileFaultHook(bool (*fails)(const std::string& name));

}  // namespace kes
