#include "uninstall/record_text.h"

#include <limits>

namespace vorna {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

bool NeedsEscape(unsigned char c) {
  return c < 32 || c == 127 || c == '%';
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string EscapeField(const std::string& field) {
  std::string text;
  for (char c : field) {
    unsigned char u = static_cast<unsigned char>(c);
    if (!NeedsEscape(u)) {
      text += c;
      continue;
    }
    text += '%';
    text += kHexDigits[u >> 4];
    text += kHexDigits[u & 15];
  }
  return text;
}

std::optional<std::string> UnescapeField(const std::string& field) {
  std::string text;
  for (size_t i = 0; i < field.size(); ++i) {
    unsigned char u = static_cast<unsigned char>(field[i]);
    if (u < 32 || u == 127) return std::nullopt;
    if (u != '%') {
      text += field[i];
      continue;
    }
    int high = i + 2 < field.size() ? HexValue(field[i + 1]) : -1;
    int low = high >= 0 ? HexValue(field[i + 2]) : -1;
    if (low < 0) return std::nullopt;
    text += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return text;
}

std::string JoinFields(const std::vector<std::string>& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) line += (i == 0 ? "" : "\t") + EscapeField(fields[i]);
  return line;
}

std::optional<std::vector<std::string>> SplitFields(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (true) {
    size_t end = line.find('\t', start);
    std::optional<std::string> field =
        UnescapeField(line.substr(start, end == std::string::npos ? end : end - start));
    if (!field) return std::nullopt;
    fields.push_back(*field);
    if (end == std::string::npos) return fields;
    start = end + 1;
  }
}

std::optional<uint64_t> ReadCount(const std::string& text) {
  if (text.empty() || text.size() > 20) return std::nullopt;
  uint64_t value = 0;
  constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    uint64_t digit = static_cast<uint64_t>(c - '0');
    if (value > (kMax - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

}  // namespace vorna
