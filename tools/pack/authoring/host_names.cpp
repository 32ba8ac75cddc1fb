#include "tools/pack/authoring/host_names.h"

#include <cstdio>
#include <stdexcept>

#include "platform/code_page.h"

namespace vorna::authoring {

namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

// Control characters of the install data's code page: the C0 range, DEL,
// and the bytes Windows-1252 leaves unassigned, which stand for C1 controls
// (0x9D is a terminal's OSC).
bool IsAnsiControl(unsigned char byte) {
  return byte < 0x20 || byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F ||
         byte == 0x90 || byte == 0x9D;
}

// Control characters of a host's UTF-8 text: the C0 range and DEL.
[[maybe_unused]] bool IsHostControl(unsigned char byte) {
  return byte < 0x20 || byte == 0x7F;
}

// text with every byte that isControl picks written as "\xHH".
std::string EscapeControls(const std::string& text, bool (*isControl)(unsigned char)) {
  std::string escaped;
  for (char c : text) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (isControl(byte)) {
      char code[8];
      std::snprintf(code, sizeof code, "\\x%02X", byte);
      escaped += code;
    } else {
      escaped += c;
    }
  }
  return escaped;
}

}  // namespace

std::string SetNameOf(const std::string& hostName) {
#ifdef _WIN32
  return hostName;
#else
  std::string problem;
  std::optional<std::string> name = platform::Utf8ToAnsi(hostName, &problem);
  if (!name) {
    throw std::runtime_error(EscapeControls(hostName, IsHostControl) +
                             ": Windows-1252 cannot hold this name (" + problem + ")");
  }
  return *name;
#endif
}

TextConversion ConvertTextEntry(const std::string& entryName, std::string& text) {
  if (platform::IsAscii(text) || !platform::IsValidUtf8(text)) return TextConversion::Unchanged;
  std::string body = text.compare(0, 3, kByteOrderMark) == 0 ? text.substr(3) : text;
  std::string problem;
  std::optional<std::string> converted = platform::Utf8ToAnsi(body, &problem);
  if (!converted) {
    throw std::runtime_error("'" + Printable(entryName) + "': Windows-1252 cannot hold " + problem);
  }
  text = *converted;
  return TextConversion::FromUtf8;
}

std::string Printable(const std::string& setText) {
  std::string escaped = EscapeControls(setText, IsAnsiControl);
#ifdef _WIN32
  return escaped;
#else
  return platform::AnsiToUtf8(escaped);
#endif
}

}  // namespace vorna::authoring
