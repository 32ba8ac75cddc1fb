// GET, PUT and SEEK: fixed binary records at positions counted in records.
#include <string>

#include "script/activation.h"
#include "script/file_slots.h"
#include "script/interpreter.h"
#include "statements/file_statement_parts.h"
#include "statements/file_statements.h"
#include "statements/record_layout.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {

namespace {

// #n, [position], -- answers the file number, the pointer moved to the position if one is given.
int32_t ReadRecordHeader(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  cursor.ExpectChar('#');
  int32_t number = ReadOpenFileNumber(activation);
  cursor.ExpectChar(',');
  if (!cursor.MatchChar(',')) {
    Value position;
    activation.ReadNumber(position, 0, 0);
    SeekRecord(activation.interpreter().files(), number, position.AsLong());
    cursor.ExpectChar(',');
  }
  return number;
}

}  // namespace

StatementEnd GetStatement(Activation& activation) {
  int32_t number = ReadRecordHeader(activation);
  Value& variable = ReadTargetVariable(activation);
  ReadRecord(OpenFileOf(activation.interpreter().files(), number), variable);
  return StatementEnd::Continue;
}

StatementEnd PutStatement(Activation& activation) {
  int32_t number = ReadRecordHeader(activation);
  Value value;
  activation.ReadNumber(value, 0, 0);
  std::string record = EncodeRecord(value);
  // A write that fails or falls short is reported, as every file write is.
  if (!OpenFileOf(activation.interpreter().files(), number).Write(record.data(), record.size())) {
    Raise(errorNumbers::Disk);
  }
  return StatementEnd::Continue;
}

StatementEnd SeekStatement(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  cursor.ExpectChar('#');
  int32_t number = ReadOpenFileNumber(activation);
  cursor.ExpectChar(',');
  Value position;
  activation.ReadNumber(position, 0, 0);
  SeekRecord(activation.interpreter().files(), number, position.AsLong());
  return StatementEnd::Continue;
}

}  // namespace vorna
