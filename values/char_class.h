// Character tests of the script language.
//
// Scripts are 8-bit ANSI text, but the language recognises only the ASCII
// letters and digits (the classification of the default "C" locale): a
// character above 127 is neither a letter nor a digit and upper-cases to
// itself, whatever the machine's locale. The tests take a plain char, so they
// are safe for negative (signed) chars, which <cctype> is not.
#pragma once

namespace vorna {

/// True for A-Z and a-z.
constexpr bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

/// True for 0-9.
constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

/// True for a letter or a digit.
constexpr bool IsLetterOrDigit(char c) {
  return IsLetter(c) || IsDigit(c);
}

/// True for the two blanks of the language, space and tab.
constexpr bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

/// a-z become A-Z; every other character stays as it is.
constexpr char ToUpper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace vorna
