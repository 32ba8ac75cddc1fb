#include "platform/portable/sandbox.h"

#include <sys/stat.h>

#include <cctype>
#include <filesystem>

#include "platform/code_page.h"

namespace vorna::platform {

namespace {

bool Exists(const std::string& hostPath) {
  struct stat info;
  return lstat(hostPath.c_str(), &info) == 0;
}

bool IsLink(const std::string& hostPath) {
  struct stat info;
  return lstat(hostPath.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

// Windows drops trailing dots and spaces from every name in a path.
std::string StripTrailingDotsAndSpaces(const std::string& part) {
  size_t end = part.size();
  while (end > 0 && (part[end - 1] == '.' || part[end - 1] == ' ')) --end;
  return part.substr(0, end);
}

// Appends the components of text to parts, resolving "." and ".." so that
// the list never climbs above the drive root.
void AppendComponents(const std::string& text, std::vector<std::string>* parts) {
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = start;
    while (end < text.size() && !IsSeparator(text[end])) ++end;
    std::string part = text.substr(start, end - start);
    if (part == "..") {
      if (!parts->empty()) parts->pop_back();
    } else if (part != ".") {
      part = StripTrailingDotsAndSpaces(part);
      if (!part.empty()) parts->push_back(part);
    }
    start = end + 1;
  }
}

bool HasDrivePrefix(const std::string& path) {
  return path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
}

}  // namespace

std::string WindowsPath::Text() const {
  std::string text = std::string(1, drive) + ":\\";
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) text += '\\';
    text += parts[i];
  }
  return text;
}

Sandbox::Sandbox(std::string root) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::path absolute = fs::absolute(fs::path(root), error);
  fs::path canonical = fs::weakly_canonical(absolute, error);
  root_ = (error ? absolute : canonical).lexically_normal().string();
  while (root_.size() > 1 && root_.back() == '/') root_.pop_back();
}

std::optional<WindowsPath> Sandbox::Resolve(const std::string& path) const {
  if (path.empty() || path.find('\0') != std::string::npos) return std::nullopt;
  // "\\server\share" and "\\?\" names reach no drive of the sandbox.
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) return std::nullopt;
  WindowsPath current;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    current = current_;
  }
  WindowsPath result;
  std::string rest = path;
  if (HasDrivePrefix(path)) {
    result.drive = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
    rest = path.substr(2);
    // "D:name" is relative to the current folder only when D is the current drive.
    if ((rest.empty() || !IsSeparator(rest[0])) && result.drive == current.drive) {
      result.parts = current.parts;
    }
  } else {
    result.drive = current.drive;
    if (!IsSeparator(rest[0])) result.parts = current.parts;
  }
  AppendComponents(rest, &result.parts);
  return result;
}

void Sandbox::Mount(char drive, const std::string& hostFolder) {
  namespace fs = std::filesystem;
  std::error_code error;
  std::string folder = fs::absolute(fs::path(hostFolder), error).lexically_normal().string();
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  std::lock_guard<std::mutex> lock(mutex_);
  mounts_[static_cast<char>(std::toupper(static_cast<unsigned char>(drive)))] = folder;
}

std::optional<std::string> Sandbox::DriveFolder(char drive) const {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    auto mounted = mounts_.find(drive);
    if (mounted != mounts_.end()) return mounted->second;
  }
  std::string exact = root_ + "/" + std::string(1, drive);
  if (!Exists(exact)) {
    std::optional<std::string> other = listings_.Find(root_, std::string(1, drive));
    if (other) exact = root_ + "/" + *other;
  }
  if (IsLink(exact)) return std::nullopt;
  return exact;
}

std::optional<std::string> Sandbox::ToHost(const WindowsPath& path) const {
  std::optional<std::string> host = DriveFolder(path.drive);
  if (!host) return std::nullopt;
  bool lookingUp = true;
  for (const std::string& part : path.parts) {
    std::string exact = *host + "/" + AnsiToUtf8(part);
    if (lookingUp) {
      // One look tells whether the name is there and whether it is a link.
      struct stat info;
      bool found = lstat(exact.c_str(), &info) == 0;
      if (!found) {
        std::optional<std::string> other = listings_.Find(*host, part);
        if (other) {
          exact = *host + "/" + *other;
          found = lstat(exact.c_str(), &info) == 0;
        }
        lookingUp = found;  // nothing below a missing component can exist
      }
      if (found && S_ISLNK(info.st_mode)) return std::nullopt;
    }
    *host = exact;
  }
  return host;
}

std::optional<std::string> Sandbox::ToHost(const std::string& path) const {
  std::optional<WindowsPath> resolved = Resolve(path);
  if (!resolved) return std::nullopt;
  return ToHost(*resolved);
}

std::optional<std::string> Sandbox::ToWindows(const std::string& hostPath) const {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::path absolute = fs::absolute(fs::path(hostPath), error);
  if (error) return std::nullopt;
  fs::path canonical = fs::weakly_canonical(absolute, error);
  std::string text = (error ? absolute : canonical).lexically_normal().string();
  std::string prefix = root_ + "/";
  if (text.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
  std::string below = text.substr(prefix.size());
  if (below.empty() || !std::isalpha(static_cast<unsigned char>(below[0]))) return std::nullopt;
  if (below.size() > 1 && below[1] != '/') return std::nullopt;
  WindowsPath path;
  path.drive = static_cast<char>(std::toupper(static_cast<unsigned char>(below[0])));
  if (below.size() > 1) {
    std::optional<std::string> windowsNames = Utf8ToAnsi(below.substr(2));
    if (!windowsNames) return std::nullopt;
    AppendComponents(*windowsNames, &path.parts);
  }
  return path.Text();
}

std::vector<std::string> Sandbox::NamesStartingWith(const std::string& hostFolder,
                                                    const std::string& prefix) const {
  std::vector<std::string> names;
  for (const std::string& hostName : listings_.FindStartingWith(hostFolder, prefix)) {
    std::optional<std::string> name = Utf8ToAnsi(hostName);
    if (name) names.push_back(*name);
  }
  return names;
}

std::string Sandbox::CurrentFolder() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return current_.Text();
}

bool Sandbox::SetCurrentFolder(const std::string& path) {
  std::optional<WindowsPath> resolved = Resolve(path);
  if (!resolved) return false;
  std::optional<std::string> host = ToHost(*resolved);
  struct stat info;
  if (!host || stat(host->c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
  std::lock_guard<std::mutex> lock(mutex_);
  current_ = *resolved;
  return true;
}

}  // namespace vorna::platform
