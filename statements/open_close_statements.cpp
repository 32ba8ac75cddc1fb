// OPEN, CLOSE and RESET.
#include "platform/platform.h"
#include "script/activation.h"
#include "script/file_slots.h"
#include "script/interpreter.h"
#include "script/keywords.h"
#include "statements/file_statement_parts.h"
#include "statements/file_statements.h"
#include "statements/open_flags.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {

namespace {

/// Longest record LEN = accepts.
constexpr int32_t kMaxRecordLength = 32767;

// [LEN = length]: 1 when absent.
int16_t ReadRecordLength(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  if (!cursor.MatchKeyword(KeywordId::Len, Prefix::NotAllowed)) return 1;
  cursor.ExpectChar('=');
  Value length;
  activation.ReadNumber(length, 1, kMaxRecordLength);
  return length.AsInteger();
}

}  // namespace

StatementEnd OpenStatement(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  std::string path = activation.ReadText();
  uint32_t flags = ReadOpenFlags(activation);
  if (!cursor.MatchKeyword(KeywordId::As, Prefix::NotAllowed)) Raise(errorNumbers::IllegalUse);
  cursor.MatchChar('#');
  int32_t number = ReadFileNumber(activation);
  FileTable& table = activation.interpreter().files();
  if (FileInUse(table, number)) Raise(errorNumbers::FileHandleInUse);
  int16_t recordLength = ReadRecordLength(activation);
  OpenRequest request = MapOpenFlags(flags);
  std::unique_ptr<platform::File> file = activation.interpreter().machine().files->Open(
      path, request.access, request.share, request.creation);
  if (!file) Raise(errorNumbers::Disk);
  bool append = (flags & fileMode::Append) != 0;
  if (!file->Seek(0, append ? platform::SeekOrigin::End : platform::SeekOrigin::Begin)) {
    Raise(errorNumbers::Disk);
  }
  table.handles[number] = std::move(file);
  table.modes[number] = flags;
  table.recordLengths[number] = (flags & fileMode::Binary) ? int16_t{1} : recordLength;
  return StatementEnd::Continue;
}

StatementEnd CloseStatement(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  FileTable& table = activation.interpreter().files();
  do {
    cursor.MatchChar('#');
    int32_t number = ReadOpenFileNumber(activation);
    CloseFileSlot(table, number);
  } while (cursor.MatchChar(','));
  return StatementEnd::Continue;
}

StatementEnd ResetStatement(Activation& activation) {
  FileTable& table = activation.interpreter().files();
  for (int32_t number = kFirstFileNumber; number <= kLastFileNumber; ++number) {
    if (FileInUse(table, number)) CloseFileSlot(table, number);
  }
  return StatementEnd::Continue;
}

}  // namespace vorna
