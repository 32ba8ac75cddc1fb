#include "statements/file_statement_parts.h"

#include <memory>

#include "script/activation.h"
#include "script/file_slots.h"
#include "script/interpreter.h"
#include "script/variables.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {

int32_t ReadFileNumber(Activation& activation) {
  Value number;
  activation.ReadNumber(number, kFirstFileNumber, kLastFileNumber);
  return number.AsInteger();
}

int32_t ReadOpenFileNumber(Activation& activation) {
  int32_t number = ReadFileNumber(activation);
  OpenFileOf(activation.interpreter().files(), number);
  return number;
}

Value& ReadTargetVariable(Activation& activation) {
  NameBuffer name;
  if (activation.cursor().ReadName(name) == 0) Raise(errorNumbers::IllegalUse);
  if (Value* variable = ReferenceVariable(activation, name)) return *variable;
  auto created = std::make_unique<Value>(ValueType::STRING);
  created->SetName(name);
  Value& variable = *created;
  activation.locals().Append(created.release());
  return variable;
}

void SeekRecord(FileTable& table, int32_t number, int32_t position) {
  // Computed in 64 bits: a LONG position times a record length of up to
  // 32767 does not fit 32.
  int64_t offset = int64_t{position} * table.recordLengths[number];
  if (!OpenFileOf(table, number).Seek(offset, platform::SeekOrigin::Begin)) {
    Raise(errorNumbers::Disk);
  }
}

}  // namespace vorna
