#include "script/line_text.h"

#include <cstring>

#include "values/char_class.h"

namespace vorna {

namespace {

constexpr size_t kMaxStartWord = 80;

bool EndsFirstWord(char c) {
  return IsBlank(c) || c == '\r' || c == '\n';
}

}  // namespace

void UpperCaseOutsideLiterals(std::string& text) {
  // Program lines were upper-cased when they were loaded: a text without a
  // lower-case letter anywhere needs no pass that tracks the literals.
  bool lowerCase = false;
  for (char c : text) lowerCase |= (c >= 'a' && c <= 'z');
  if (!lowerCase) return;
  bool inLiteral = false;
  for (char& c : text) {
    if (c == '"') {
      inLiteral = !inLiteral;
    } else if (!inLiteral) {
      c = ToUpper(c);
    }
  }
}

const char* FindComment(const char* text, char c) {
  bool inLiteral = false;
  for (const char* p = text; *p; ++p) {
    if (*p == '"') {
      inLiteral = !inLiteral;
      continue;
    }
    if (inLiteral) continue;
    if (*p == c) return p;
    if (*p == ':') return nullptr;
  }
  return nullptr;
}

char* FindComment(char* text, char c) {
  return const_cast<char*>(FindComment(static_cast<const char*>(text), c));
}

const char* FindWordOutsideLiterals(const char* text, const char* word) {
  size_t length = std::strlen(word);
  if (length == 0) return nullptr;
  bool inLiteral = false;
  size_t matched = 0;
  for (const char* p = text; *p; ++p) {
    if (*p == '"') {
      inLiteral = !inLiteral;
      matched = 0;
      continue;
    }
    if (inLiteral) continue;
    if (*p != word[matched]) {
      matched = 0;
      continue;
    }
    if (++matched == length) return p - (length - 1);
  }
  return nullptr;
}

const char* StartsWithWord(const char* line, const char* word) {
  size_t length = std::strlen(word);
  if (length == 0 || length > kMaxStartWord) return nullptr;
  bool inLiteral = false;
  size_t at = 0;
  for (; line[at]; ++at) {
    if (line[at] == '"') inLiteral = !inLiteral;
    if (!inLiteral && EndsFirstWord(line[at])) break;
  }
  // The word must be followed by a blank, not by the end of the line.
  if (line[at] == '\0' || at != length) return nullptr;
  for (size_t i = 0; i < length; ++i) {
    if (ToUpper(line[i]) != ToUpper(word[i])) return nullptr;
  }
  return line;
}

namespace {

// The character after the ")" that closes the "(" at open (literals and
// nested parentheses passed over); the end of the text when none does.
const char* SkipParentheses(const char* open) {
  int depth = 0;
  bool inLiteral = false;
  for (const char* at = open; *at != '\0'; ++at) {
    if (*at == '"') inLiteral = !inLiteral;
    if (inLiteral) continue;
    if (*at == '(') ++depth;
    if (*at == ')' && --depth == 0) return at + 1;
  }
  return open + std::strlen(open);
}

}  // namespace

// The indices of an array element belong to the target, blanks and all, so
// that A(I + 1) = 5 assigns like A(I+1) = 5.
bool IsAssignmentText(const char* text) {
  const char* at = text;
  while (*at != '\0' && *at != ' ' && *at != '\t' && *at != '=') {
    at = *at == '(' ? SkipParentheses(at) : at + 1;
  }
  if (*at == '\0') return false;
  while (*at == ' ' || *at == '\t') ++at;
  return *at == '=';
}

}  // namespace vorna
