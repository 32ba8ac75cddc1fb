// The ERR object, which reads the interpreter's record of the last script
// error, and the ERROR function, which names an error number.
#include "builtins/function_families.h"
#include "script/activation.h"
#include "script/error_record.h"
#include "script/function_arguments.h"
#include "script/function_table.h"
#include "script/interpreter.h"
#include "script/keywords.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {

namespace {

/// The message of a number the error table does not hold.
constexpr const char* kApplicationDefinedError = "Application Defined Error";

// ERR.member: NUMBER, DESCRIPTION, LINE, MODULE or FUNCTION, in any case.
void Err(Activation& activation, Value& result) {
  StatementCursor& cursor = activation.cursor();
  cursor.ExpectChar('.');
  const ErrorRecord& record = activation.interpreter().errorRecord();
  if (cursor.MatchWord("NUMBER", Prefix::NotAllowed)) {
    result.SetLong(record.number);
  } else if (cursor.MatchWord("DESCRIPTION", Prefix::NotAllowed)) {
    result.SetString(record.message.c_str());
  } else if (cursor.MatchWord("LINE", Prefix::NotAllowed)) {
    result.SetString(record.statement.c_str());
  } else if (cursor.MatchWord("MODULE", Prefix::NotAllowed)) {
    result.SetString(record.module.c_str());
  } else if (cursor.MatchWord("FUNCTION", Prefix::NotAllowed)) {
    result.SetString(record.procedure.c_str());
  } else {
    Raise(errorNumbers::IllegalUse);
  }
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
