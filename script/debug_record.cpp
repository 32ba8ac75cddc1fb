#include "script/debug_record.h"

#include <algorithm>
#include <cstring>

namespace vorna {

platform::DebugRecordBytes EncodeDebugRecord(char letter, std::string_view text) {
  platform::DebugRecordBytes record{};
  record[0] = static_cast<uint8_t>(letter);
  // A text with a zero byte inside ends there, as the reader will see it.
  size_t length = std::min({text.size(), kMaxDebugTextLength, text.find('\0')});
  std::memcpy(record.data() + 1, text.data(), length);
  return record;
}

DebugMessage DecodeDebugRecord(const platform::DebugRecordBytes& record) {
  DebugMessage message;
  message.letter = static_cast<char>(record[0]);
  const char* text = reinterpret_cast<const char*>(record.data() + 1);
  size_t room = record.size() - 1;
  const void* zero = std::memchr(text, 0, room);
  size_t length = zero ? static_cast<size_t>(static_cast<const char*>(zero) - text) : room;
  message.text.assign(text, length);
  return message;
}

}  // namespace vorna
