// The statement text of the running line with its cursor, and the parsing
// primitives that statements, the expression evaluator, the built-in
// functions and the script objects call on it.
//
// There is no token stream: every statement is parsed straight from the text
// each time it runs. The cursor is an index into this object's own copy of
// the line; "no statement" is a state of its own in which the matches answer
// no and the current character is zero.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "script/keywords.h"

namespace vorna {

/// Whether a word may match the beginning of a longer word (FOR in FORM).
enum class Prefix { NotAllowed, Allowed };

/// Longest name ReadName accepts.
constexpr size_t kMaxNameLength = 32;
/// Buffer of ReadName: room for 33 characters and a terminator.
constexpr size_t kNameBufferSize = 34;
using NameBuffer = char[kNameBufferSize];

/// Longest string literal ReadStringLiteral accepts; one more raises "String Too Long".
constexpr size_t kMaxLiteralLength = 2047;
/// Buffer of ReadStringLiteral: room for 2049 characters and a terminator.
constexpr size_t kLiteralBufferSize = 2050;
using LiteralBuffer = char[kLiteralBufferSize];

class StatementCursor {
 public:
  /// A remembered cursor: an offset into the statement text.
  using Position = size_t;
  /// The position of "no statement is current".
  static constexpr Position kNoStatement = static_cast<Position>(-1);

  /// Starts with the text "LINE" and no statement current.
  StatementCursor();

  /// Makes text the current statement: copies it, upper-cases the copy
  /// outside literals and puts the cursor on its first character.
  void SetStatement(const char* text);
  /// The whole of making a line current: false for a missing or empty text
  /// (nothing changes); otherwise SetStatement, skip blanks, and answer
  /// whether anything is left.
  bool LoadStatement(const char* text);
  /// Leaves no statement current (the text stays).
  void ClearStatement();
  /// True while a statement is current.
  bool hasStatement() const { return position_ != kNoStatement; }
  /// The statement text (the copy the cursor runs over).
  const std::string& text() const { return text_; }
  /// The character under the cursor; zero at the end or with no statement.
  char current() const { return current_; }
  /// The text from the cursor on; empty with no statement.
  const char* rest() const { return hasStatement() ? text_.c_str() + position_ : ""; }

  /// The cursor, to be given back to Restore.
  Position Save() const { return position_; }
  /// Puts the cursor back to a saved position (clamped to the end of the text).
  void Restore(Position position);

  /// Moves one character on; raises "Unexpected End of Line" at the end.
  void Advance();
  /// Answers the current character and advances past it.
  char Take();
  /// Advances over spaces and tabs.
  void SkipBlanks() {
    // Most calls find no blank: that case stays inline.
    if (current_ == ' ' || current_ == '\t') SkipBlankRun();
  }
  /// After blanks, consumes c if it is the current character.
  bool MatchChar(char c);
  /// MatchChar(c), or raises "Illegal Use".
  void ExpectChar(char c);
  /// After blanks, consumes word (any case) if the text continues with it and,
  /// unless prefix is allowed, no letter or digit follows it.
  bool MatchWord(const char* word, Prefix prefix);
  /// MatchWord with the name of the first row that has id.
  bool MatchKeyword(KeywordId id, Prefix prefix);
  /// Reads a name and answers its keyword row, leaving the cursor behind it;
  /// when the name is no keyword the cursor goes back and nullptr is answered.
  const Keyword* ReadKeyword();
  /// Reads a name after blanks: any first character, then letters, digits and
  /// underscores. Answers its length (0 at the end of the text). A 33rd
  /// character raises "Variable Name Too Long".
  size_t ReadName(NameBuffer& buffer);
  /// Reads a literal (the opening quote is optional, doubled quotes stand for
  /// one) and answers its length. Raises "String Too Long" past
  /// kMaxLiteralLength characters and "Unterminated String" at the end of the text.
  size_t ReadStringLiteral(LiteralBuffer& buffer);

 private:
  void Load() { current_ = hasStatement() ? text_[position_] : '\0'; }
  /// SkipBlanks once a blank is under the cursor.
  void SkipBlankRun();

  std::string text_;
  Position position_ = kNoStatement;
  char current_ = '\0';
};

}  // namespace vorna
