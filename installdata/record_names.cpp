#include "installdata/record_names.h"

#include <cctype>
#include <vector>

namespace vorna {

namespace {

// The digits of the port names: 1 to 9 and, in the ANSI code page, the
// superscripts one, two and three, which Windows reserves as well.
bool IsPortDigit(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return (u >= '1' && u <= '9') || u == 0xB9 || u == 0xB2 || u == 0xB3;
}

bool IsDeviceName(const std::string& component) {
  // Windows reserves these names whatever extension follows.
  std::string base = component.substr(0, component.find('.'));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  for (char& c : base) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL") return true;
  return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
         IsPortDigit(base[3]);
}

NameVerdict CheckComponent(const std::string& component) {
  if (component.empty()) return NameVerdict::Empty;
  if (component == "." || component == "..") return NameVerdict::ParentFolder;
  // Windows drops trailing dots and blanks, so the name written would not be
  // the name asked for ("..." would even become "..").
  char last = component.back();
  if (last == '.' || last == ' ') return NameVerdict::TrailingDotOrBlank;
  for (char c : component) {
    unsigned char u = static_cast<unsigned char>(c);
    if (c == ':') return NameVerdict::StreamOrDrive;
    if (u < 32 || c == '<' || c == '>' || c == '"' || c == '/' || c == '|' || c == '?' ||
        c == '*') {
      return NameVerdict::ForbiddenCharacter;
    }
  }
  if (IsDeviceName(component)) return NameVerdict::DeviceName;
  return NameVerdict::Accepted;
}

}  // namespace

NameVerdict CheckRecordName(const std::string& name) {
  if (name.empty()) return NameVerdict::Empty;
  if (name[0] == '\\' || name[0] == '/') return NameVerdict::Absolute;
  if (name.size() >= 2 && name[1] == ':') return NameVerdict::StreamOrDrive;
  size_t start = 0;
  while (true) {
    size_t end = name.find('\\', start);
    std::string component = name.substr(start, end == std::string::npos ? end : end - start);
    NameVerdict verdict = CheckComponent(component);
    if (verdict != NameVerdict::Accepted) return verdict;
    if (end == std::string::npos) return NameVerdict::Accepted;
    start = end + 1;
  }
}

const char* DescribeVerdict(NameVerdict verdict) {
  switch (verdict) {
    case NameVerdict::Accepted:
      return "accepted";
    case NameVerdict::Empty:
      return "an empty name";
    case NameVerdict::Absolute:
      return "an absolute path";
    case NameVerdict::StreamOrDrive:
      return "a stream or drive separator";
    case NameVerdict::ParentFolder:
      return "a parent-folder component";
    case NameVerdict::TrailingDotOrBlank:
      return "a trailing dot or blank";
    case NameVerdict::DeviceName:
      return "a device name";
    case NameVerdict::ForbiddenCharacter:
      return "a character Windows forbids";
  }
  return "an unknown reason";
}

}  // namespace vorna
