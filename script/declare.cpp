// The declaration clause shared by DIM, REDIM, parameters and function
// results, and the assignment statement.
#include <memory>

#include "script/activation.h"
#include "script/interpreter.h"
#include "script/keywords.h"
#include "script/line_text.h"
#include "script/variables.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {

namespace {

constexpr int kMaxBounds = 3;

// bounds -> "(" number [, number [, number]] ")"; each bound non-zero.
int ReadBounds(Activation& activation, int32_t (&bounds)[kMaxBounds]) {
  StatementCursor& cursor = activation.cursor();
  if (!cursor.MatchChar('(')) return 0;
  int count = 0;
  do {
    Value bound;
    activation.ReadNumber(bound, 0, 0);
    bounds[count] = bound.AsLong();
    if (bounds[count] == 0) Raise(errorNumbers::DimStatement);
    ++count;
  } while (count < kMaxBounds && cursor.MatchChar(','));
  cursor.ExpectChar(')');
  return count;
}

std::unique_ptr<Value> ValueOfTypeWord(KeywordId id) {
  switch (id) {
    case KeywordId::String:
      return std::make_unique<Value>(ValueType::STRING);
    case KeywordId::Real:
      return std::make_unique<Value>(ValueType::REAL);
    case KeywordId::Long:
      return std::make_unique<Value>(ValueType::LONG);
    case KeywordId::Integer:
      return std::make_unique<Value>(ValueType::INTEGER);
    case KeywordId::Double:
      return std::make_unique<Value>(ValueType::DOUBLE);
    case KeywordId::Byte:
      return std::make_unique<Value>(ValueType::BYTE);
    case KeywordId::Boolean:
      return std::make_unique<Value>(ValueType::BOOLEAN);
    case KeywordId::Character:
      return std::make_unique<Value>(ValueType::CHARACTER);
    default:
      Raise(errorNumbers::InvalidType);
  }
}

// A type word that is no keyword: an object type that an extension defines
// (STDFILE, the file dialog object, is one).
std::unique_ptr<Value> ObjectOfTypeWord(Activation& activation) {
  if (std::unique_ptr<Value> made = activation.interpreter().MakeObject(activation)) return made;
  Raise(errorNumbers::InvalidType);
}

}  // namespace

// clause -> [bounds] AS type
std::unique_ptr<Value> Activation::Declare(const char* name) {
  int32_t bounds[kMaxBounds] = {0, 0, 0};
  cursor_.SkipBlanks();
  int boundCount = ReadBounds(*this, bounds);
  cursor_.SkipBlanks();
  if (cursor_.current() == '\0' || !cursor_.MatchKeyword(KeywordId::As, Prefix::NotAllowed)) {
    Raise(errorNumbers::ExpectedAsKeyword);
  }
  cursor_.SkipBlanks();
  const Keyword* keyword = cursor_.ReadKeyword();
  std::unique_ptr<Value> value = keyword ? ValueOfTypeWord(keyword->id) : ObjectOfTypeWord(*this);
  value->SetName(name);
  if (boundCount > 0) value->MakeArray(bounds[0], bounds[1], bounds[2]);
  cursor_.SkipBlanks();
  return value;
}

bool Activation::AssignmentTest() const {
  return IsAssignmentText(cursor_.rest());
}

void Activation::ImplicitAssignment() {
  if (interpreter_.SetMember(*this)) return;
  NameBuffer name;
  cursor_.ReadName(name);
  AssignToName(*this, name);
}

}  // namespace vorna
