#pragma once
// Documents shown in the desktop's viewer. (Files are written through
// platform/atomic_file.h.)

#include <string>

namespace kes {

// Opens a document with the desktop's default program for its kind; false
// when nothing could be started.
bool openDocument(const std::string& name);
// Test hook: while set, openDocument asks it instead of the desktop.
void setDocumentOpenerHook(bool (*hook)(const std::string& name));

}  // namespace kes
