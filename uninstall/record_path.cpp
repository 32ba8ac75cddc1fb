#include "uninstall/record_path.h"

#include <cctype>

#include "installdata/record_names.h"

namespace vorna {

namespace {

/// The longest name of a registry key.
constexpr size_t kMaxKeyName = 255;

struct RootName {
  platform::RootKey root;
  const char* name;
};

constexpr RootName kRootNames[] = {
    {platform::RootKey::ClassesRoot, "HKEY_CLASSES_ROOT"},
    {platform::RootKey::CurrentUser, "HKEY_CURRENT_USER"},
    {platform::RootKey::LocalMachine, "HKEY_LOCAL_MACHINE"},
    {platform::RootKey::Users, "HKEY_USERS"},
    {platform::RootKey::CurrentConfig, "HKEY_CURRENT_CONFIG"},
};

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    size_t end = text.find('\\', start);
    parts.push_back(text.substr(start, end == std::string::npos ? end : end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

std::string Join(const std::string& head, const std::vector<std::string>& parts) {
  std::string text = head;
  for (size_t i = 0; i < parts.size(); ++i) text += (i == 0 ? "" : "\\") + parts[i];
  return text;
}

bool SameParts(const std::vector<std::string>& path, const std::vector<std::string>& folder) {
  if (path.size() < folder.size()) return false;
  for (size_t i = 0; i < folder.size(); ++i) {
    if (!SameName(path[i], folder[i])) return false;
  }
  return true;
}

bool IsKeyName(const std::string& name) {
  if (name.empty() || name.size() > kMaxKeyName) return false;
  for (char c : name) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u < 32 || u == 127) return false;
  }
  return true;
}

}  // namespace

std::string RecordPath::Text() const {
  return Join(std::string(1, drive) + ":\\", parts);
}

RecordPath RecordPath::Parent() const {
  RecordPath parent = *this;
  if (!parent.parts.empty()) parent.parts.pop_back();
  return parent;
}

RecordPath RecordPath::Child(const std::string& name) const {
  RecordPath child = *this;
  child.parts.push_back(name);
  return child;
}

std::optional<RecordPath> ParseRecordPath(const std::string& text) {
  if (text.size() < 3 || !std::isalpha(static_cast<unsigned char>(text[0])) || text[1] != ':' ||
      text[2] != '\\') {
    return std::nullopt;
  }
  RecordPath path;
  path.drive = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  std::string rest = text.substr(3);
  if (rest.empty()) return path;
  if (CheckRecordName(rest) != NameVerdict::Accepted) return std::nullopt;
  path.parts = Split(rest);
  return path;
}

std::optional<RecordPath> TidyPath(const std::string& text) {
  std::string tidy;
  for (char c : text) {
    char separator = c == '/' ? '\\' : c;
    if (separator == '\\' && !tidy.empty() && tidy.back() == '\\') continue;
    tidy += separator;
  }
  if (tidy.size() > 3 && tidy.back() == '\\') tidy.pop_back();
  return ParseRecordPath(tidy);
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) !=
        std::toupper(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

bool IsAtOrBelow(const RecordPath& path, const RecordPath& folder) {
  return path.drive == folder.drive && SameParts(path.parts, folder.parts);
}

bool IsBelow(const RecordPath& path, const RecordPath& folder) {
  return path.parts.size() > folder.parts.size() && IsAtOrBelow(path, folder);
}

std::string RecordKey::Text() const {
  for (const RootName& entry : kRootNames) {
    if (entry.root == root) return Join(std::string(entry.name) + "\\", segments);
  }
  return Subkey();
}

std::string RecordKey::Subkey() const {
  return Join("", segments);
}

std::optional<RecordKey> ParseRecordKey(const std::string& text) {
  std::vector<std::string> names = Split(text);
  if (names.size() < 2) return std::nullopt;
  for (size_t i = 1; i < names.size(); ++i) {
    if (!IsKeyName(names[i])) return std::nullopt;
  }
  for (const RootName& entry : kRootNames) {
    if (!SameName(names[0], entry.name)) continue;
    RecordKey key;
    key.root = entry.root;
    key.segments.assign(names.begin() + 1, names.end());
    return key;
  }
  return std::nullopt;
}

bool IsAtOrBelow(const RecordKey& key, const RecordKey& folder) {
  return key.root == folder.root && SameParts(key.segments, folder.segments);
}

}  // namespace vorna
