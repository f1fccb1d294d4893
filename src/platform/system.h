#pragma once
// The rest of the platform the sail's procedures call on: per-application
// settings, starting another program, the single-instance test, processing
// pending events, the busy mouse pointer and files by name pattern in the
// current directory.

#include <string>
#include <vector>

namespace kes {

// Settings store in place of the registry's per-application settings
// (application, section, key -> text), kept in an INI file under the user's
// configuration directory. getSetting returns defaultText when the key is absent.
std::string getSetting(const std::string& app, const std::string& section, const std::string& key,
                       const std::string& defaultText = {});
void saveSetting(const std::string& app, const std::string& section, const std::string& key,
                 const std::string& value);
std::string settingsFilePath(const std::string& app);

// Starts a program by its bare name (searched on PATH; a name ending in
// ".EXE" is also tried without it and in lower case), detached, with the given
// arguments. False when it could not be started.
bool startProgram(const std::string& name, const std::vector<std::string>& args = {});
// Test hook: while set, startProgram records the request here instead of starting anything.
void setProgramStarterHook(bool (*hook)(const std::string& name, const std::vector<std::string>& args));

// True when another copy of the program is already running. The first copy
// holds the claim until it ends. Tests switch the test off.
bool anotherInstanceRunning();
void setSingleInstanceCheckEnabled(bool enabled);

// Runs the pending window events (keys, repaints) during a long run.
void doEvents();

// Busy mouse pointer on or off.
void setBusyPointer(bool busy);

// Files in the current directory by name pattern ("*.uc", "lastsail.sal"),
// matched without regard to case.
bool fileExists(const std::string& pattern);
std::vector<std::string> listFiles(const std::string& pattern);  // sorted by name
int deleteFiles(const std::string& pattern);                      // how many were deleted

}  // namespace kes
