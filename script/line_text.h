// Utilities over the plain text of a program line, aware of string literals:
// a double quote switches between outside and inside a literal.
#pragma once

#include <string>

namespace vorna {

/// Upper-cases, in place, every character that stands outside a literal.
void UpperCaseOutsideLiterals(std::string& text);

/// First c outside literals before the first ":" outside literals (the
/// comment apostrophe of a line's first statement); nullptr when there is none.
const char* FindComment(const char* text, char c);
/// The same for a modifiable text.
char* FindComment(char* text, char c);

/// Start of the first occurrence of word outside literals, nullptr when none
/// (or when word is empty). After a mismatch the match starts over with the
/// next character: the character that broke a partial match is not tried
/// against the word's first character again, so "AAB" holds no "AB".
const char* FindWordOutsideLiterals(const char* text, const char* word);

/// True when the statement text is an assignment: its target ends at the
/// first blank or "=" (an element's indices written straight after the
/// name belong to it, blanks and all), and "=" follows after blanks.
bool IsAssignmentText(const char* text);

/// line when its first word (from its first character up to a space, tab, CR
/// or LF outside literals) equals word, both upper-cased; nullptr otherwise.
/// A first word that runs to the end of the line does not count, nor does a
/// word of more than 80 characters.
const char* StartsWithWord(const char* line, const char* word);

}  // namespace vorna
