// The script's numbered file slots, shared by every activation and module.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/files.h"

namespace vorna {

/// Slots 1 to 511 are usable; slot 0 is never used. A slot is free while its
/// handle is empty; the mode flags and record length are zero then.
struct FileTable {
  static constexpr int32_t kSlots = 512;

  std::unique_ptr<platform::File> handles[kSlots];
  /// The OPEN mode flags of each slot.
  uint32_t modes[kSlots] = {};
  /// The record length of each slot (the unit of SEEK, GET and PUT positions).
  int16_t recordLengths[kSlots] = {};

  /// Closes every open slot and clears it.
  void CloseAll();
};

}  // namespace vorna
