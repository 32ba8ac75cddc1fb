// The operations on the interpreter's file table that the file statements
// and the file functions share: the usable numbers, the mode flags OPEN
// stores, finding, closing and searching slots.
#pragma once

#include <cstdint>

#include "script/file_table.h"

namespace vorna {

/// File numbers 1 to 511 are usable.
constexpr int32_t kFirstFileNumber = 1;
constexpr int32_t kLastFileNumber = FileTable::kSlots - 1;

/// The mode flags OPEN stores in a slot.
namespace fileMode {
constexpr uint32_t Append = 0x1;
constexpr uint32_t Binary = 0x2;
constexpr uint32_t Input = 0x4;
constexpr uint32_t Output = 0x8;
constexpr uint32_t Random = 0x10;
constexpr uint32_t AccessRead = 0x20;
constexpr uint32_t AccessWrite = 0x80;
constexpr uint32_t Shared = 0x100;
constexpr uint32_t LockRead = 0x200;
constexpr uint32_t LockWrite = 0x400;
}  // namespace fileMode

/// True when number is a usable number whose slot holds an open file.
bool FileInUse(const FileTable& table, int32_t number);
/// The open file of a number; "File Handle Undefined" when its slot is free.
platform::File& OpenFileOf(FileTable& table, int32_t number);
/// The lowest usable number whose slot is free, or 0 when all are in use.
int32_t LowestFreeFileNumber(const FileTable& table);
/// Closes the file of a slot and clears the slot (handle, flags, record length).
void CloseFileSlot(FileTable& table, int32_t number);

}  // namespace vorna
