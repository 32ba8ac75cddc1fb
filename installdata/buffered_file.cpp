#include "installdata/buffered_file.h"

#include <cstring>

namespace vorna {

BufferedFile::BufferedFile(std::unique_ptr<platform::File> file)
    : file_(std::move(file)), buffer_(new uint8_t[kBufferSize]) {
  // Start where the platform file stands; a fresh file stands at 0.
  uint64_t position = 0;
  filePointerKnown_ = file_->Seek(0, platform::SeekOrigin::Current, &position);
  bufferOffset_ = position;
}

bool BufferedFile::Refill() {
  bufferOffset_ += end_;
  begin_ = end_ = 0;
  if (!filePointerKnown_) {
    if (!file_->Seek(static_cast<int64_t>(bufferOffset_), platform::SeekOrigin::Begin)) {
      return false;
    }
    filePointerKnown_ = true;
  }
  size_t got = 0;
  if (!file_->Read(buffer_.get(), kBufferSize, &got)) got = 0;
  end_ = got;
  return got > 0;
}

int BufferedFile::ReadByte() {
  if (begin_ == end_ && !Refill()) {
    eof_ = true;
    return -1;
  }
  return buffer_[begin_++];
}

int BufferedFile::PeekByte() {
  if (begin_ == end_ && !Refill()) return -1;
  return buffer_[begin_];
}

size_t BufferedFile::Read(void* buffer, size_t size) {
  auto* out = static_cast<uint8_t*>(buffer);
  size_t done = 0;
  while (done < size) {
    if (begin_ == end_ && !Refill()) {
      eof_ = true;
      break;
    }
    size_t chunk = end_ - begin_ < size - done ? end_ - begin_ : size - done;
    std::memcpy(out + done, buffer_.get() + begin_, chunk);
    begin_ += chunk;
    done += chunk;
  }
  return done;
}

bool BufferedFile::Seek(uint64_t offset) {
  eof_ = false;
  if (offset >= bufferOffset_ && offset <= bufferOffset_ + end_) {
    begin_ = static_cast<size_t>(offset - bufferOffset_);
    return true;
  }
  // The platform file pointer moves lazily, at the next refill.
  bufferOffset_ = offset;
  begin_ = end_ = 0;
  filePointerKnown_ = false;
  return true;
}

}  // namespace vorna
