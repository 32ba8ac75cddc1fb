#include "install/registry_path.h"

#include <cctype>

namespace vorna {

namespace {

using platform::RootKey;

/// Reads a key path left to right: backslashes, blanks, then a root prefix.
class KeyPathScanner {
 public:
  explicit KeyPathScanner(const std::string& path)
      : text_(path.substr(0, path.find_first_of("\r\n"))) {}

  void SkipBackslashes() {
    while (pos_ < text_.size() && text_[pos_] == '\\') ++pos_;
  }

  /// Skips blanks and tabs, then consumes prefix when the text continues with
  /// it in any letter case.
  bool Accept(const char* prefix) {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
    size_t at = pos_;
    for (const char* p = prefix; *p != '\0'; ++p, ++at) {
      if (at >= text_.size()) return false;
      if (std::toupper(static_cast<unsigned char>(text_[at])) != *p) return false;
    }
    pos_ = at;
    return true;
  }

  std::string Rest() const { return text_.substr(pos_); }

 private:
  std::string text_;
  size_t pos_ = 0;
};

RootKey ScanRoot(KeyPathScanner& scanner) {
  if (scanner.Accept("HKEY_CLASSES_ROOT")) return RootKey::ClassesRoot;
  if (scanner.Accept("HKEY_USERS")) return RootKey::Users;
  if (scanner.Accept("HKEY_CURRENT_USER")) return RootKey::CurrentUser;
  scanner.Accept("HKEY_LOCAL_MACHINE");
  return RootKey::LocalMachine;
}

}  // namespace

KeyPath ScanKeyPath(const std::string& path) {
  KeyPathScanner scanner(path);
  KeyPath result;
  scanner.SkipBackslashes();
  result.root = ScanRoot(scanner);
  scanner.SkipBackslashes();
  result.subkey = scanner.Rest();
  return result;
}

std::string KeyName(RootKey root, const std::string& subkey) {
  const char* rootName = "HKEY_LOCAL_MACHINE";
  switch (root) {
    case RootKey::ClassesRoot:
      rootName = "HKEY_CLASSES_ROOT";
      break;
    case RootKey::CurrentUser:
      rootName = "HKEY_CURRENT_USER";
      break;
    case RootKey::Users:
      rootName = "HKEY_USERS";
      break;
    case RootKey::CurrentConfig:
      rootName = "HKEY_CURRENT_CONFIG";
      break;
    case RootKey::LocalMachine:
      break;
  }
  std::string name = rootName;
  for (const std::string& segment : SubkeySegments(subkey)) name += "\\" + segment;
  return name;
}

std::vector<std::string> SubkeySegments(const std::string& subkey) {
  std::vector<std::string> segments;
  size_t start = 0;
  while (start <= subkey.size()) {
    size_t end = subkey.find('\\', start);
    if (end == std::string::npos) end = subkey.size();
    if (end > start) segments.push_back(subkey.substr(start, end - start));
    start = end + 1;
  }
  return segments;
}

}  // namespace vorna
