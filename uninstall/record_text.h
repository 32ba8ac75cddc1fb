// The fields of a record line: separated by tabs, with the bytes that could
// break a line or a field written as "%" and two hexadecimal digits.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vorna {

/// field with control bytes, DEL and "%" written as %XX.
std::string EscapeField(const std::string& field);

/// The field as it was before EscapeField; nullopt for a "%" not followed by
/// two hexadecimal digits, or for a raw control byte.
std::optional<std::string> UnescapeField(const std::string& field);

/// The fields of one line, unescaped, joined by tabs.
std::string JoinFields(const std::vector<std::string>& fields);

/// The tab-separated fields of one line, each unescaped; nullopt when one of
/// them is malformed.
std::optional<std::vector<std::string>> SplitFields(const std::string& line);

/// A decimal count of at most 20 digits without sign; nullopt otherwise.
std::optional<uint64_t> ReadCount(const std::string& text);

}  // namespace vorna
