#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

namespace kes {

namespace fs = std::filesystem;

namespace {

bool (*fileFault)(const std::string&) = nullptr;

QString q(const std::string& s) { return QString::fromStdString(s); }

constexpr std::string_view kTempMark = ".kes-";
constexpr std::size_t kTempRandom = 6;
constexpr std::size_t kTempLeafMax = 200;  // a long name still leaves room for the marks
constexpr char kTempChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

bool isTempChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// The name's folder part as given ("" or ending in a separator) and its leaf.
std::pair<std::string, std::string> splitName(const std::string& name) {
  const std::size_t slash = name.find_last_of('/');
  if (slash == std::string::npos) return {std::string(), name};
  return {name.substr(0, slash + 1), name.substr(slash + 1)};
}

bool usableLeaf(const std::string& leaf) { return !leaf.empty() && leaf != "." && leaf != ".."; }

void say(std::string* why, int error) {
  if (why) *why = std::strerror(error);
}

// Writes all bytes to fd, each write checked; false with errno set.
bool writeAll(int fd, std::string_view bytes) {
  const char* at = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, at, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) {
      errno = EIO;
      return false;
    }
    at += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

// Opens `name` for writing with the given flags, never through a link,
// writes the bytes and closes it, each step checked.
bool writeOpen(const std::string& name, std::string_view bytes, int flags) {
  const std::string target = fileNameOnDisk(name);
  if (!usableLeaf(splitName(target).second)) return false;
  const int fd = ::open(target.c_str(), flags | O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  const bool written = writeAll(fd, bytes);
  return ::close(fd) == 0 && written;
}

// Creates a new temporary file beside `target` under the writer's hidden
// name; its descriptor, or -1 with errno set.
int createTemporary(const std::string& folder, const std::string& leaf, std::string& tempName) {
  static std::mt19937 pick{std::random_device{}() ^ static_cast<unsigned>(::getpid())};
  std::uniform_int_distribution<std::size_t> letter(0, sizeof kTempChars - 2);
  const std::string base = folder + "." + leaf.substr(0, kTempLeafMax) + std::string(kTempMark);
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempName = base;
    for (std::size_t i = 0; i < kTempRandom; ++i) tempName += kTempChars[letter(pick)];
    const int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

}  // namespace

void setFileFaultHook(bool (*fails)(const std::string& name)) { fileFault = fails; }

bool writeFileAtomically(const std::string& name, std::string_view bytes, std::string* why) {
  const std::string target = fileNameOnDisk(name);
  const auto [folder, leaf] = splitName(target);
  if (!usableLeaf(leaf)) {
    say(why, EISDIR);
    return false;
  }
  std::string tempName;
  const int fd = createTemporary(folder, leaf, tempName);
  if (fd < 0) {
    say(why, errno);
    return false;
  }
  // The old file's permissions carry over (a link's target is not looked at).
  struct stat old {};
  bool ok = ::lstat(target.c_str(), &old) != 0 || !S_ISREG(old.st_mode) || ::fchmod(fd, old.st_mode & 0777) == 0;
  ok = ok && writeAll(fd, bytes);
  int error = errno;
  // No flush to the disk itself: a develop writes dozens of files and waits on none.
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && ::rename(tempName.c_str(), target.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(tempName.c_str());
    say(why, error);
  }
  return ok;
}

bool writeFileInPlace(const std::string& name, std::string_view bytes) { return writeOpen(name, bytes, O_TRUNC); }

bool appendToFile(const std::string& name, std::string_view bytes) { return writeOpen(name, bytes, O_APPEND); }

std::string fileNameOnDisk(const std::string& name) {
  const auto [folder, leaf] = splitName(name);
  if (!usableLeaf(leaf)) return name;
  struct stat st {};
  if (::lstat(name.c_str(), &st) == 0) return name;
  std::string found;
  std::error_code ec;
  fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    std::error_code te;
    if (it->symlink_status(te).type() == fs::file_type::directory) continue;
    const std::string candidate = it->path().filename().string();
    if (sameIgnoringCase(candidate, leaf) && (found.empty() || candidate < found)) found = candidate;
  }
  return found.empty() ? name : folder + found;
}

bool isWriterTemporaryName(std::string_view leaf) {
  const std::size_t minimum = 2 + kTempMark.size() + kTempRandom;  // "." + a name of at least one character
  if (leaf.size() < minimum || leaf.front() != '.') return false;
  const std::string_view tail = leaf.substr(leaf.size() - kTempRandom);
  return leaf.substr(leaf.size() - kTempRandom - kTempMark.size(), kTempMark.size()) == kTempMark &&
         std::all_of(tail.begin(), tail.end(), isTempChar);
}

int removeStaleTemporaryFiles() {
  int removed = 0;
  std::error_code ec;
  fs::directory_iterator it(fs::path("."), ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    std::error_code te;
    if (it->symlink_status(te).type() != fs::file_type::regular) continue;
    if (!isWriterTemporaryName(it->path().filename().string())) continue;
    if (fs::remove(it->path(), te)) ++removed;
  }
  return removed;
}

std::optional<std::string> readFileBytes(const std::string& name, std::size_t maxBytes) {
  if (fileFault && fileFault(name)) return std::nullopt;
  QFile f(q(name));
  if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
  // A regular file is read as far as its size; anything else up to maxBytes.
  const qint64 size = f.isSequential() ? -1 : f.size();
  const std::size_t want =
      size >= 0 && static_cast<std::size_t>(size) < maxBytes ? static_cast<std::size_t>(size) : maxBytes;
  std::string out(want, '\0');
  std::size_t got = 0;
  while (got < want) {
    const qint64 n = f.read(out.data() + got, static_cast<qint64>(want - got));
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  out.resize(got);
  return out;
}

}  // namespace kes
