#include "script/statement_cursor.h"

#include "script/line_text.h"
#include "values/char_class.h"
#include "values/errors.h"

namespace vorna {

StatementCursor::StatementCursor() : text_("LINE") {}

void StatementCursor::SetStatement(const char* text) {
  text_.assign(text);
  UpperCaseOutsideLiterals(text_);
  position_ = 0;
  Load();
}

bool StatementCursor::LoadStatement(const char* text) {
  if (text == nullptr || text[0] == '\0') return false;
  SetStatement(text);
  SkipBlanks();
  return current_ != '\0';
}

void StatementCursor::ClearStatement() {
  position_ = kNoStatement;
  Load();
}

void StatementCursor::Restore(Position position) {
  position_ = position == kNoStatement || position <= text_.size() ? position : text_.size();
  Load();
}

void StatementCursor::Advance() {
  if (current_ == '\0') Raise(errorNumbers::UnexpectedEndOfLine);
  ++position_;
  Load();
}

char StatementCursor::Take() {
  char c = current_;
  Advance();
  return c;
}

void StatementCursor::SkipBlankRun() {
  // A blank is never the terminator, so no end-of-text check is needed.
  while (IsBlank(current_)) {
    ++position_;
    current_ = text_[position_];
  }
}

bool StatementCursor::MatchChar(char c) {
  if (!hasStatement()) return false;
  SkipBlanks();
  // The end of the text is never consumed: matches answer no, they never raise.
  if (current_ != c || c == '\0') return false;
  Advance();
  return true;
}

void StatementCursor::ExpectChar(char c) {
  if (!MatchChar(c)) Raise(errorNumbers::IllegalUse);
}

bool StatementCursor::MatchWord(const char* word, Prefix prefix) {
  if (!hasStatement()) return false;
  SkipBlanks();
  // Most words asked for are not there: the first letter decides at once.
  if (ToUpper(current_) != ToUpper(word[0])) return false;
  const char* at = text_.c_str() + position_;
  size_t length = 0;
  for (; word[length]; ++length) {
    // The text's terminator never equals a word character, so a text that
    // ends early fails here.
    if (ToUpper(at[length]) != ToUpper(word[length])) return false;
  }
  if (prefix == Prefix::NotAllowed && IsLetterOrDigit(at[length])) return false;
  position_ += length;
  Load();
  return true;
}

bool StatementCursor::MatchKeyword(KeywordId id, Prefix prefix) {
  const Keyword* keyword = FindKeywordById(id);
  return keyword != nullptr && MatchWord(keyword->name, prefix);
}

const Keyword* StatementCursor::ReadKeyword() {
  Position start = Save();
  NameBuffer name;
  if (ReadName(name) == 0) return nullptr;
  for (char* p = name; *p; ++p) *p = ToUpper(*p);
  const Keyword* keyword = FindKeywordByName(name);
  if (keyword == nullptr) Restore(start);
  return keyword;
}

size_t StatementCursor::ReadName(NameBuffer& buffer) {
  size_t length = 0;
  SkipBlanks();
  if (current_ != '\0') {
    buffer[length++] = Take();
    while (IsLetterOrDigit(current_) || current_ == '_') {
      if (length == kMaxNameLength) {
        buffer[length] = '\0';
        Raise(errorNumbers::VariableNameTooLong);
      }
      buffer[length++] = Take();
    }
  }
  buffer[length] = '\0';
  return length;
}

size_t StatementCursor::ReadStringLiteral(LiteralBuffer& buffer) {
  size_t length = 0;
  if (current_ == '"') Advance();
  for (;;) {
    if (current_ == '\0') {
      buffer[length] = '\0';
      Raise(errorNumbers::UnterminatedString);
    }
    if (current_ == '"') {
      Advance();
      if (current_ != '"') break;  // a lone quote closes the literal
    }
    if (length == kMaxLiteralLength) {
      buffer[length] = '\0';
      Raise(errorNumbers::StringTooLong);
    }
    buffer[length++] = Take();
  }
  buffer[length] = '\0';
  return length;
}

}  // namespace vorna
