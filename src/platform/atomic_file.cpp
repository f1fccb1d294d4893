#include "platform/atomic_file.h"

#include <QFile>
#include <QSaveFile>
#include <QString>
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/documents.h"

namespace kes {

namespace fs = std::filesystem;

namespace {

bool (*fileFault)(const std::string&) = nullptr;

QString q(const std::string& s) { return QString::fromStdString(s); }

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

void setFileFaultHook(bool (*fails)(const std::string& name)) { fileFault = fails; }

bool writeFileAtomically(const std::string& name, const std::string& bytes, std::string* why) {
  QSaveFile f(q(name));
  if (!f.open(QIODevice::WriteOnly)) {
    if (why) *why = f.errorString().toStdString();
    return false;
  }
  if (fileFault && fileFault(name)) {
    f.write(bytes.data(), static_cast<qint64>(bytes.size() / 2));
    f.cancelWriting();
    f.commit();
    if (why) *why = "No space left on device";
    return false;
  }
  if (f.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
    if (why) *why = f.errorString().toStdString();
    f.cancelWriting();
    f.commit();
    return false;
  }
  if (!f.commit()) {
    if (why) *why = f.errorString().toStdString();
    return false;
  }
  return true;
}

bool writeFileInPlace(const std::string& name, const std::string& bytes) {
  if (fileFault && fileFault(name)) return false;
  return overwriteFile(name, bytes);
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

std::string fileNameOnDisk(const std::string& name) {
  const fs::path path(name);
  const std::string leaf = path.filename().string();
  if (leaf.empty() || leaf == "." || leaf == "..") return name;
  std::error_code ec;
  if (fs::symlink_status(path, ec).type() != fs::file_type::not_found) return name;
  const fs::path folder = path.parent_path();
  std::string found;
  fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    std::error_code te;
    if (it->symlink_status(te).type() == fs::file_type::directory) continue;
    const std::string candidate = it->path().filename().string();
    if (sameIgnoringCase(candidate, leaf) && (found.empty() || candidate < found)) found = candidate;
  }
  if (found.empty()) return name;
  return name.substr(0, name.size() - leaf.size()) + found;
}

std::string findNamedFile(const std::string& name) {
  if (name.empty() || name == "." || name == ".." ||
      name.find_first_of("/\\") != std::string::npos || name.find('\0') != std::string::npos)
    return {};
  std::error_code ec;
  if (fs::is_regular_file(fs::path(name), ec)) return name;
  std::string found;
  fs::directory_iterator it(fs::path("."), ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    std::error_code fe;
    if (!it->is_regular_file(fe)) continue;
    const std::string candidate = it->path().filename().string();
    if (sameIgnoringCase(candidate, name) && (found.empty() || candidate < found)) found = candidate;
  }
  return found;
}

}  // namespace kes
