#include "script/file_table.h"

#include "script/errors.h"

namespace vorna {

bool FileTable::InUse(int32_t number) const {
  return number >= kFirstNumber && number <= kLastNumber &&
         slots_[static_cast<size_t>(number)].handle != nullptr;
}

FileSlot& FileTable::OpenSlot(int32_t number) {
  if (!InUse(number)) Raise(errorNumbers::FileHandleUndefined);
  return slot(number);
}

int32_t FileTable::LowestFree() const {
  for (int32_t number = kFirstNumber; number <= kLastNumber; ++number) {
    if (!InUse(number)) return number;
  }
  return 0;
}

void FileTable::Close(int32_t number) {
  slot(number) = FileSlot{};
}

void FileTable::CloseAll() {
  for (FileSlot& slot : slots_) slot = FileSlot{};
}

}  // namespace vorna
