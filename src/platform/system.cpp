#include "platform/system.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace kes {

namespace fs = std::filesystem;

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// Keeps a name usable as one file name and one INI key: no folders, no
// separators QSettings reads as groups.
QString safeName(const std::string& name, const char* fallback) {
  QString out;
  for (const QChar c : q(name)) {
    if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 32)
      out += QLatin1Char('_');
    else
      out += c;
  }
  while (out.startsWith(QLatin1Char('.'))) out.remove(0, 1);
  out = out.trimmed();
  return out.isEmpty() ? QLatin1String(fallback) : out;
}

QString configDir() {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (dir.isEmpty()) dir = QDir::homePath() + QLatin1String("/.config");
  return dir;
}

std::string valueText(const QVariant& v) {
  // A hand-written value with commas reads back as a list; give the text as it stands.
  if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QLatin1Char(',')).toStdString();
  return v.toString().toStdString();
}

}  // namespace

// ---------------------------------------------------------------- settings

std::string settingsFilePath(const std::string& app) {
  return (configDir() + QLatin1Char('/') + safeName(app, "kestrova") + QLatin1String(".ini"))
      .toStdString();
}

std::string getSetting(const std::string& app, const std::string& section, const std::string& key,
                       const std::string& defaultText) {
  const QString path = q(settingsFilePath(app));
  if (!QFileInfo::exists(path)) return defaultText;
  QSettings s(path, QSettings::IniFormat);
  const QString sec = safeName(section, "General"), k = safeName(key, "value");
  const QString exact = sec + QLatin1Char('/') + k;
  if (s.contains(exact)) return valueText(s.value(exact));
  // The registry matches names without regard to case; so does this store.
  for (const QString& group : s.childGroups()) {
    if (group.compare(sec, Qt::CaseInsensitive) != 0) continue;
    s.beginGroup(group);
    for (const QString& name : s.childKeys())
      if (name.compare(k, Qt::CaseInsensitive) == 0) return valueText(s.value(name));
    s.endGroup();
  }
  return defaultText;
}

void saveSetting(const std::string& app, const std::string& section, const std::string& key,
                 const std::string& value) {
  const QString path = q(settingsFilePath(app));
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSettings s(path, QSettings::IniFormat);
  const QString sec = safeName(section, "General"), k = safeName(key, "value");
  // Write over a key spelt in another case rather than adding a second one.
  QString group = sec, name = k;
  for (const QString& g : s.childGroups()) {
    if (g.compare(sec, Qt::CaseInsensitive) != 0) continue;
    group = g;
    s.beginGroup(g);
    for (const QString& n : s.childKeys())
      if (n.compare(k, Qt::CaseInsensitive) == 0) name = n;
    s.endGroup();
    break;
  }
  s.setValue(group + QLatin1Char('/') + name, q(value));
  s.sync();
}

// ---------------------------------------------------------------- programs

namespace {
bool (*programStarterHook)(const std::string&, const std::vector<std::string>&) = nullptr;
}

void setProgramStarterHook(bool (*hook)(const std::string& name, const std::vector<std::string>& args)) {
  programStarterHook = hook;
}

bool startProgram(const std::string& name, const std::vector<std::string>& args) {
  if (programStarterHook) return programStarterHook(name, args);
  const QString given = q(name).trimmed();
  if (given.isEmpty()) return false;

  QStringList candidates{given};
  if (given.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) {
    const QString stem = given.left(given.size() - 4);
    if (!stem.isEmpty()) candidates << stem << stem.toLower();
  }
  candidates << given.toLower();
  candidates.removeDuplicates();

  QStringList arguments;
  for (const std::string& a : args) arguments << q(a);

  QStringList besideUs;
  if (QCoreApplication::instance()) besideUs << QCoreApplication::applicationDirPath();

  for (const QString& c : candidates) {
    QString path;
    if (c.contains(QLatin1Char('/'))) {
      const QFileInfo fi(c);
      if (fi.isFile() && fi.isExecutable()) path = fi.absoluteFilePath();
    } else {
      path = QStandardPaths::findExecutable(c);
      if (path.isEmpty() && !besideUs.isEmpty()) path = QStandardPaths::findExecutable(c, besideUs);
    }
    if (path.isEmpty()) continue;
    if (QProcess::startDetached(path, arguments, QDir::currentPath())) return true;
  }
  return false;
}

// ---------------------------------------------------------------- single instance

namespace {
struct InstanceClaim {
  bool enabled = true;
  std::string name = "kestrova";
  std::unique_ptr<QLockFile> lock;
};
InstanceClaim& claim() {
  static InstanceClaim c;
  return c;
}
}  // namespace

void setSingleInstanceCheckEnabled(bool enabled) { claim().enabled = enabled; }

void setSingleInstanceName(const std::string& name) {
  if (claim().name == name) return;
  claim().lock.reset();
  claim().name = name;
}

std::string singleInstanceLockPath() {
  QString user;
#ifdef Q_OS_UNIX
  user = QString::number(::getuid());
#else
  user = qEnvironmentVariable("USERNAME");
#endif
  return (QDir::tempPath() + QLatin1Char('/') + safeName(claim().name, "kestrova") +
          QLatin1Char('-') + safeName(user.toStdString(), "user") + QLatin1String(".lock"))
      .toStdString();
}

void releaseSingleInstance() { claim().lock.reset(); }

bool anotherInstanceRunning() {
  InstanceClaim& c = claim();
  if (!c.enabled) return false;
  if (c.lock && c.lock->isLocked()) return false;  // this copy holds the claim
  auto lock = std::make_unique<QLockFile>(q(singleInstanceLockPath()));
  lock->setStaleLockTime(0);  // held for the program's life; stale only when its holder is gone
  if (lock->tryLock(0)) {
    c.lock = std::move(lock);
    return false;
  }
  // Another live copy holds the lock. Any other failure (an unwritable
  // temporary folder) must not keep the program from starting.
  return lock->error() == QLockFile::LockFailedError;
}

// ---------------------------------------------------------------- events, pointer

void doEvents() {
  if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

namespace {
bool busyOn = false;
}

void setBusyPointer(bool busy) {
  if (busy == busyOn) return;
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return;
  if (busy)
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  else
    QGuiApplication::restoreOverrideCursor();
  busyOn = busy;
}

bool busyPointer() { return busyOn; }

// ---------------------------------------------------------------- files by pattern

namespace {

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

struct Split {
  std::string folder;  // as given, with its trailing '/', or empty
  std::string name;
};

Split split(const std::string& pattern) {
  const auto slash = pattern.rfind('/');
  if (slash == std::string::npos) return {{}, pattern};
  return {pattern.substr(0, slash + 1), pattern.substr(slash + 1)};
}

bool lessName(const std::string& a, const std::string& b) {
  const auto n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const char x = lower(a[i]), y = lower(b[i]);
    if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

}  // namespace

bool matchesPattern(const std::string& name, const std::string& pattern) {
  if (pattern == "*.*") return true;  // every file, with or without an extension
  // Iterative wildcard match; on a mismatch after '*', let the '*' take one more character.
  std::size_t n = 0, p = 0, starP = std::string::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() && (pattern[p] == '?' || lower(pattern[p]) == lower(name[n]))) {
      ++p;
      ++n;
    } else if (starP != std::string::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::vector<std::string> listFiles(const std::string& pattern) {
  std::vector<std::string> out;
  const Split s = split(pattern);
  if (s.name.empty()) return out;
  std::error_code ec;
  const fs::path dir = s.folder.empty() ? fs::path(".") : fs::path(s.folder);
  fs::directory_iterator it(dir, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    std::error_code fe;
    if (!it->is_regular_file(fe)) continue;
    const std::string name = it->path().filename().string();
    if (matchesPattern(name, s.name)) out.push_back(s.folder + name);
  }
  std::sort(out.begin(), out.end(), lessName);
  return out;
}

std::string findFile(const std::string& pattern) {
  if (pattern.find_first_of("*?") == std::string::npos) {
    std::error_code ec;
    if (fs::is_regular_file(fs::path(pattern), ec)) return pattern;
  }
  const auto all = listFiles(pattern);
  return all.empty() ? std::string() : all.front();
}

bool fileExists(const std::string& pattern) { return !findFile(pattern).empty(); }

int deleteFiles(const std::string& pattern) {
  int n = 0;
  for (const std::string& f : listFiles(pattern)) {
    std::error_code ec;
    if (fs::remove(fs::path(f), ec) && !ec) ++n;
  }
  return n;
}

}  // namespace kes
