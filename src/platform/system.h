#pragma once
// The rest of the platform the sail's procedures call on: per-application
// settings, starting another program, the single-instance test, processing
// pending events, the busy mouse pointer and files by name pattern in the
// current directory.

#include <string>
#include <vector>

namespace kes {

// Settings store in place of the registry's per-application settings
// (application, section, key -> text), kept in one INI file per application
// under the user's configuration directory: $XDG_CONFIG_HOME/<app>.ini, that
// is ~/.config/<app>.ini by default ("Vardeneth" -> ~/.config/Vardeneth.ini,
// section [Settings], keys Xscale and Yscale). Section and key names match
// without regard to case, as the registry's do. getSetting returns
// defaultText when the key is absent.
std::string getSetting(const std::string& app, const std::string& section, const std::string& key,
                       const std::string& defaultText = {});
void saveSetting(const std::string& app, const std::string& section, const std::string& key,
                 const std::string& value);
std::string settingsFilePath(const std::string& app);

// Starts a program by its bare name (searched on PATH, then beside this
// program; a name ending in ".EXE" is also tried without it and in lower
// case), detached, with the given arguments, in the current directory. False
// when it could not be started. The current directory is not searched.
bool startProgram(const std::string& name, const std::vector<std::string>& args = {});
// Test hook: while set, startProgram records the request here instead of starting anything.
void setProgramStarterHook(bool (*hook)(const std::string& name, const std::vector<std::string>& args));

// True when another copy of the program is already running. The first copy
// holds the claim until it ends. Tests switch the test off.
// A lock file in the temporary directory, one per user; a lock left by a
// copy that crashed is taken over.
bool anotherInstanceRunning();
void setSingleInstanceCheckEnabled(bool enabled);
// Tests: claim under another name (so the real program's claim is not
// touched), see where the lock lives, give the claim up.
void setSingleInstanceName(const std::string& name);
std::string singleInstanceLockPath();
void releaseSingleInstance();

// Runs the pending window events (keys, repaints) during a long run.
void doEvents();

// Busy mouse pointer on or off (a setting, not a count: on twice, off once
// gives the normal pointer).
void setBusyPointer(bool busy);
bool busyPointer();

// Files in the current directory by name pattern ("*.uc", "lastsail.sal"),
// matched without regard to case; "*" is any run of characters, "?" any one,
// "*.*" every file. A pattern may start with a folder ("sub/*.uc"); the
// folder part is used as it stands and the names come back with it. Only
// files count, not folders.
bool fileExists(const std::string& pattern);
// The actual name of the first file that matches (the exact name when it
// exists), or the empty text: open this, since the case may differ.
std::string findFile(const std::string& pattern);
// True when name matches the pattern without regard to case.
bool matchesPattern(const std::string& name, const std::string& pattern);
std::vector<std::string> listFiles(const std::string& pattern);  // sorted by name
int deleteFiles(const std::string& pattern);                      // how many were deleted

}  // namespace kes
