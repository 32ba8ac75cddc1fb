#include "installdata/plain_entry_file.h"

#include <cstdint>

namespace vorna {

PlainEntryFile::PlainEntryFile(std::unique_ptr<platform::File> file, TextMode mode)
    : file_(std::move(file)), mode_(mode) {}

int PlainEntryFile::ReadByte() {
  int c = file_.ReadByte();
  if (mode_ == TextMode::Text && c == '\r' && file_.PeekByte() == '\n') c = file_.ReadByte();
  return c;
}

size_t PlainEntryFile::ReadBlock(void* buffer, size_t size, size_t count) {
  if (size == 0 || count == 0 || count > SIZE_MAX / size) return 0;
  size_t total = size * count;
  if (mode_ == TextMode::Binary) return file_.Read(buffer, total) / size;
  auto* out = static_cast<uint8_t*>(buffer);
  size_t done = 0;
  for (int c; done < total && (c = ReadByte()) >= 0;) out[done++] = static_cast<uint8_t>(c);
  return done / size;
}

char* PlainEntryFile::ReadLine(char* buffer, size_t limit) {
  if (limit == 0) return nullptr;
  size_t length = 0;
  while (length + 1 < limit) {
    int c = ReadByte();
    if (c < 0) break;
    buffer[length++] = static_cast<char>(c);
    if (c == '\n') break;
  }
  buffer[length] = '\0';
  return length == 0 && limit > 1 ? nullptr : buffer;
}

}  // namespace vorna
