#pragma once
// Files the develops write, and documents shown in the desktop's viewer.
//
// replaceFile writes a whole file in one step: the text goes to a new file
// beside it, which then takes the old one's place, so a reader never sees
// half a plot file and a failed write leaves the old file as it was.
// overwriteFile writes a scratch file over in place; appendToFile adds to
// the end of a file (created when missing). Each says whether every open,
// write and close succeeded.

#include <string>
#include <string_view>

namespace kes {

bool replaceFile(const std::string& name, std::string_view text);
bool overwriteFile(const std::string& name, std::string_view text);
bool appendToFile(const std::string& name, std::string_view text);

// Opens a document with the desktop's default program for its kind; false
// when nothing could be started.
bool openDocument(const std::string& name);
// Test hook: while set, openDocument asks it instead of the desktop.
void setDocumentOpenerHook(bool (*hook)(const std::string& name));

}  // namespace kes
