// An open file over bytes in memory, for the fuzz targets' machines: a
// read-only view of a vector, or (without one) a sink that takes every write
// and reads as empty.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/files.h"

namespace vorna::fuzz {

class MemoryFile : public platform::File {
 public:
  /// Reads data, which outlives the file; nullptr makes a sink.
  explicit MemoryFile(const std::vector<uint8_t>* data) : data_(data) {}
  bool Read(void* buffer, size_t size, size_t* got) override {
    *got = 0;
    if (!data_) return true;
    size_t left = position_ < data_->size() ? data_->size() - position_ : 0;
    *got = size < left ? size : left;
    if (*got > 0) std::memcpy(buffer, data_->data() + position_, *got);
    position_ += *got;
    return true;
  }
  bool Write(const void*, size_t) override { return data_ == nullptr; }
  bool Seek(int64_t offset, platform::SeekOrigin origin, uint64_t* position) override {
    int64_t base = origin == platform::SeekOrigin::Begin ? 0
                   : origin == platform::SeekOrigin::End ? static_cast<int64_t>(Length())
                                                         : static_cast<int64_t>(position_);
    if (offset > 0 && base > INT64_MAX - offset) return false;
    if (base + offset < 0) return false;
    position_ = static_cast<size_t>(base + offset);
    if (position) *position = position_;
    return true;
  }
  bool Size(uint64_t* size) override {
    *size = Length();
    return true;
  }
  bool Flush() override { return true; }
  bool GetTimes(platform::FileTimes* times) override {
    *times = platform::FileTimes{};
    return true;
  }
  bool SetTimes(const platform::FileTimes&) override { return true; }

 private:
  size_t Length() const { return data_ ? data_->size() : 0; }
  const std::vector<uint8_t>* data_;
  size_t position_ = 0;
};

}  // namespace vorna::fuzz
