// The numbered file slots that OPEN fills and the file statements and
// functions use. The interpreter owns one table, so every activation and
// module shares it; a slot stays open until CLOSE, RESET or the interpreter's
// end, which closes every slot still open.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "platform/files.h"

namespace vorna {

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

/// One slot: free while it has no handle.
struct FileSlot {
  std::unique_ptr<platform::File> handle;
  uint32_t modeFlags = 0;
  /// The unit of SEEK and of GET and PUT positions, in bytes.
  int16_t recordLength = 0;
};

class FileTable {
 public:
  /// Slots 0 to 511; numbers 1 to 511 are usable, slot 0 is never used.
  static constexpr int32_t kSlotCount = 512;
  static constexpr int32_t kFirstNumber = 1;
  static constexpr int32_t kLastNumber = kSlotCount - 1;

  /// The slot of a number in 1..511 (the caller has checked the range).
  FileSlot& slot(int32_t number) { return slots_[static_cast<size_t>(number)]; }
  /// True when the number's slot holds an open file.
  bool InUse(int32_t number) const;
  /// The slot of an open file: "File Handle Undefined" when it is free.
  FileSlot& OpenSlot(int32_t number);
  /// The lowest free number, or 0 when every slot is in use.
  int32_t LowestFree() const;
  /// Closes the file of a slot and clears the slot.
  void Close(int32_t number);
  /// Closes every slot in use.
  void CloseAll();

 private:
  std::array<FileSlot, kSlotCount> slots_;
};

}  // namespace vorna
