#include "script/file_slots.h"

#include "values/errors.h"

namespace vorna {

bool FileInUse(const FileTable& table, int32_t number) {
  return number >= kFirstFileNumber && number <= kLastFileNumber &&
         table.handles[number] != nullptr;
}

platform::File& OpenFileOf(FileTable& table, int32_t number) {
  if (!FileInUse(table, number)) Raise(errorNumbers::FileHandleUndefined);
  return *table.handles[number];
}

int32_t LowestFreeFileNumber(const FileTable& table) {
  for (int32_t number = kFirstFileNumber; number <= kLastFileNumber; ++number) {
    if (!FileInUse(table, number)) return number;
  }
  return 0;
}

void CloseFileSlot(FileTable& table, int32_t number) {
  table.handles[number].reset();
  table.modes[number] = 0;
  table.recordLengths[number] = 0;
}

}  // namespace vorna
