// Texts in the ANSI code page and in UTF-8.
//
// Names and texts of the install data are bytes in the ANSI code page of
// Windows, Windows-1252 on western systems; Linux hosts name their files in
// UTF-8. The tools and the sandbox convert at the host boundary with these
// functions, and refuse what the code page cannot hold rather than storing
// bytes that would mean something else on the other side.
#pragma once

#include <optional>
#include <string>

namespace vorna::platform {

/// The text of Windows-1252 bytes in UTF-8. Every byte has a character (the
/// five bytes the code page leaves unassigned stand for the C1 controls of
/// the same number, as Windows converts them), so this cannot fail.
std::string AnsiToUtf8(const std::string& ansi);

/// The text of UTF-8 bytes in Windows-1252; nullopt when the text is not
/// valid UTF-8 or holds a character the code page has no byte for, and then
/// *problem (if given) says which ("the character U+4E2D", "bytes that are
/// not UTF-8").
std::optional<std::string> Utf8ToAnsi(const std::string& utf8, std::string* problem = nullptr);

/// True when text is well-formed UTF-8 (shortest forms, no surrogates).
bool IsValidUtf8(const std::string& text);

/// True when every byte is below 128: the same text in both encodings.
bool IsAscii(const std::string& text);

/// The upper-case form of one Windows-1252 character, as Windows compares
/// names ("a" and "A", "é" and "É", "ÿ" and "Ÿ" are one letter).
char AnsiUpper(char c);

/// True when two Windows-1252 names are equal but for letter case.
bool SameAnsiName(const std::string& a, const std::string& b);

}  // namespace vorna::platform
