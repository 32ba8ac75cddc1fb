// The functions that read the interpreter's file table.
#include "builtins/function_families.h"
#include "script/activation.h"
#include "script/file_slots.h"
#include "script/function_arguments.h"
#include "script/function_table.h"
#include "script/interpreter.h"
#include "script/keywords.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {

namespace {

// EOF(h): true when the file pointer stands at or beyond the end of the file.
void Eof(Activation& activation, Value& result) {
  Value number;
  OpenArguments(activation, DollarSuffix::NotAllowed);
  ReadArgument(activation, number, kFirstFileNumber, kLastFileNumber);
  CloseArguments(activation);
  platform::File& file = OpenFileOf(activation.interpreter().files(), number.AsInteger());
  uint64_t position = 0, size = 0;
  // A file whose position or size cannot be read counts as ended, so that a
  // reading loop stops rather than spin on a broken file.
  bool known = file.Seek(0, platform::SeekOrigin::Current, &position) && file.Size(&size);
  result.SetBoolean(!known || position >= size ? 1 : 0);
}

// FREEFILE: the lowest free file number; takes no argument list.
void FreeFile(Activation& activation, Value& result) {
  int32_t number = LowestFreeFileNumber(activation.interpreter().files());
  if (number == 0) Raise(errorNumbers::NoHandlesLeft);
  result.SetInteger(static_cast<int16_t>(number));
}

}  // namespace

void RegisterFileFunctions(FunctionTable& table) {
  table.Register(KeywordId::Eof, Eof);
  table.Register(KeywordId::FreeFile, FreeFile);
}

}  // namespace vorna
