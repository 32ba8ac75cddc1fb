// The version information of a program (its VS_VERSIONINFO resource): the
// numbers that Windows shows as the file and product version, and the texts
// of its string table (ProductName, CompanyName, ...), in US English and
// Unicode.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vorna::authoring {

struct VersionInfo {
  /// The version's four numbers, most significant first.
  std::array<uint16_t, 4> numbers{};
  /// Name and text of each string, in UTF-8, in order.
  std::vector<std::pair<std::string, std::string>> strings;
};

/// The resource's bytes.
std::vector<uint8_t> EncodeVersionInfo(const VersionInfo& info);
/// The numbers and the strings of the first string table; throws
/// std::runtime_error when the bytes are no version information.
VersionInfo DecodeVersionInfo(const std::vector<uint8_t>& bytes);

/// "1.2.3" (one to four numbers of at most 65535) as the four numbers;
/// throws std::runtime_error for anything else.
std::array<uint16_t, 4> ParseVersionNumbers(const std::string& text);

/// UTF-8 text as UTF-16 and back (malformed UTF-8 is refused with std::runtime_error).
std::u16string Utf16(const std::string& text);
std::string Utf8(const std::u16string& text);

}  // namespace vorna::authoring
