// A read buffer over a platform file, with the end-of-file indicator of a C
// stream: the indicator is set by a read that meets the end and cleared by a
// seek. The container reader reads byte by byte; the buffer keeps that from
// becoming one platform call per byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/files.h"

namespace vorna {

class BufferedFile {
 public:
  explicit BufferedFile(std::unique_ptr<platform::File> file);

  /// The next byte (0..255), or -1 at the end (setting the indicator).
  int ReadByte();
  /// The next byte without consuming it, or -1 at the end (indicator untouched).
  int PeekByte();
  /// Reads up to size bytes and answers the count; a short count sets the indicator.
  size_t Read(void* buffer, size_t size);
  /// Moves to an absolute offset (past the end is allowed) and clears the indicator.
  bool Seek(uint64_t offset);
  /// The offset of the next byte.
  uint64_t Tell() const { return bufferOffset_ + begin_; }
  /// The file's size; false when the platform cannot tell.
  bool Size(uint64_t* size) { return file_->Size(size); }
  /// The end-of-file indicator.
  bool eof() const { return eof_; }
  /// The platform file underneath.
  platform::File& file() { return *file_; }

 private:
  /// Loads the next buffer's worth; false at the end or on a read failure.
  bool Refill();

  static constexpr size_t kBufferSize = 4096;
  std::unique_ptr<platform::File> file_;
  std::unique_ptr<uint8_t[]> buffer_;
  size_t begin_ = 0;           // next byte in buffer_
  size_t end_ = 0;             // bytes loaded in buffer_
  uint64_t bufferOffset_ = 0;  // file offset of buffer_[0]
  bool filePointerKnown_ = false;
  bool eof_ = false;
};

}  // namespace vorna
