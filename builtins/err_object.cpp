// The ERR object, which reads the interpreter's record of the last script
// error, and the ERROR function, which names an error number.
#include "builtins/function_families.h"
#include "builtins/function_shapes.h"
#include "script/activation.h"
#include "script/error_record.h"
#include "script/function_arguments.h"
#include "script/function_table.h"
#include "script/interpreter.h"
#include "script/keywords.h"
#include "script/member_words.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {

namespace {

/// The message of a number the error table does not hold.
constexpr const char* kApplicationDefinedError = "Application Defined Error";

// The members of ERR, in the order of ErrMemberWords.
enum class ErrMember { Number, Description, Line, Module, Function };

// ERR.member: NUMBER, DESCRIPTION, LINE, MODULE or FUNCTION, in any case.
void Err(Activation& activation, Value& result) {
  StatementCursor& cursor = activation.cursor();
  cursor.ExpectChar('.');
  const ErrorRecord& record = activation.interpreter().errorRecord();
  const std::vector<const char*>& words = ErrMemberWords();
  switch (static_cast<ErrMember>(MatchMemberWord(cursor, words.data(), words.size()))) {
    case ErrMember::Number:
      result.SetLong(record.number);
      return;
    case ErrMember::Description:
      result.SetString(record.message.c_str());
      return;
    case ErrMember::Line:
      result.SetString(record.statement.c_str());
      return;
    case ErrMember::Module:
      result.SetString(record.module.c_str());
      return;
    case ErrMember::Function:
      result.SetString(record.procedure.c_str());
      return;
  }
  Raise(errorNumbers::IllegalUse);
}

// ERROR(n): the table's message of error n. The name's first keyword row is
// the ON ERROR clause, so expressions never get here; the handler serves
// whoever calls the table by id.
void Error(Activation& activation, Value& result) {
  Value number;
  ReadSingleArgument(activation, DollarSuffix::NotAllowed, number);
  const char* message = MessageOf(number.AsInteger());
  result.SetString(message ? message : kApplicationDefinedError);
}

}  // namespace

void RegisterErrorFunctions(FunctionTable& table) {
  table.Register(KeywordId::Err, Err);
  table.Register(KeywordId::Error, Error);
}

}  // namespace vorna
