#include "script/file_table.h"

namespace vorna {

void FileTable::CloseAll() {
  for (int32_t slot = 0; slot < kSlots; ++slot) {
    handles[slot].reset();
    modes[slot] = 0;
    recordLengths[slot] = 0;
  }
}

}  // namespace vorna
