#include "platform/code_page.h"

#include <cstdint>
#include <cstdio>

namespace vorna::platform {

namespace {

// The characters of the bytes 0x80 to 0x9F; the rest of the upper half is
// the Latin-1 block, byte for code point. The unassigned bytes keep their
// own number.
constexpr uint16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

uint32_t CharacterOf(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
  return byte;
}

// The byte of a code point, or -1 when Windows-1252 has none.
int ByteOf(uint32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<int>(code);
  for (int i = 0; i < 32; ++i) {
    if (kHighControls[i] == code) return 0x80 + i;
  }
  return -1;
}

void AppendUtf8(uint32_t code, std::string& out) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// Reads one UTF-8 character at text[*at] and moves *at past it; false for a
// malformed sequence (overlong, surrogate, beyond U+10FFFF, cut short).
bool ReadUtf8(const std::string& text, size_t* at, uint32_t* code) {
  unsigned char lead = static_cast<unsigned char>(text[*at]);
  int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
  if (extra < 0 || lead > 0xF4 || *at + static_cast<size_t>(extra) >= text.size()) return false;
  uint32_t value = extra == 0 ? lead : lead & (0x3F >> extra);
  for (int i = 1; i <= extra; ++i) {
    unsigned char next = static_cast<unsigned char>(text[*at + i]);
    if ((next & 0xC0) != 0x80) return false;
    value = (value << 6) | (next & 0x3F);
  }
  static constexpr uint32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
  if (value < kSmallest[extra] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    return false;
  }
  *at += static_cast<size_t>(extra) + 1;
  *code = value;
  return true;
}

}  // namespace

std::string AnsiToUtf8(const std::string& ansi) {
  std::string out;
  out.reserve(ansi.size());
  for (char c : ansi) AppendUtf8(CharacterOf(static_cast<unsigned char>(c)), out);
  return out;
}

std::optional<std::string> Utf8ToAnsi(const std::string& utf8, std::string* problem) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t at = 0; at < utf8.size();) {
    uint32_t code = 0;
    if (!ReadUtf8(utf8, &at, &code)) {
      if (problem) *problem = "bytes that are not UTF-8";
      return std::nullopt;
    }
    int byte = ByteOf(code);
    if (byte < 0) {
      char name[16];
      std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(code));
      if (problem) *problem = std::string("the character ") + name;
      return std::nullopt;
    }
    out += static_cast<char>(byte);
  }
  return out;
}

bool IsValidUtf8(const std::string& text) {
  uint32_t code = 0;
  for (size_t at = 0; at < text.size();) {
    if (!ReadUtf8(text, &at, &code)) return false;
  }
  return true;
}

bool IsAscii(const std::string& text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

char AnsiUpper(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
  // à to þ map to À to Þ, except the division sign.
  if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 32);
  switch (u) {
    case 0x9A:  // š
      return static_cast<char>(0x8A);
    case 0x9C:  // œ
      return static_cast<char>(0x8C);
    case 0x9E:  // ž
      return static_cast<char>(0x8E);
    case 0xFF:  // ÿ
      return static_cast<char>(0x9F);
    default:
      return c;
  }
}

bool SameAnsiName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (AnsiUpper(a[i]) != AnsiUpper(b[i])) return false;
  }
  return true;
}

}  // namespace vorna::platform
