#include "installdata/fileset_stream.h"

#include <algorithm>
#include <cstring>

#include "installdata/container.h"
#include "installdata/fileset_index.h"
#include "installdata/image_layout.h"
#include "platform/platform.h"

namespace vorna {

namespace {

constexpr unsigned kExclamationBeep = 0x30;

uint64_t BigEndian64(const uint8_t* bytes) {
#if defined(__GNUC__)
  uint64_t value;
  std::memcpy(&value, bytes, sizeof value);
  return __builtin_bswap64(value);  // one load and one swap on a little-endian machine
#else
  uint64_t value = 0;
  for (int i = 0; i < 8; ++i) value = (value << 8) | bytes[i];
  return value;
#endif
}

// Asks for the install disk; true when the user wants another try.
bool AskForDisk(const platform::Platform& machine) {
  if (machine.system) machine.system->Beep(kExclamationBeep);
  if (!machine.interaction) return false;
  int answer = machine.interaction->MessageBox(platform::Owner::None, kDiskNeededText,
                                               kDiskNeededCaption, platform::mb::OkCancel);
  return answer == platform::id::Ok;
}

void ShowDiskError(const platform::Platform& machine) {
  if (machine.interaction) {
    machine.interaction->MessageBox(platform::Owner::None, kDiskErrorText, kDiskErrorCaption,
                                    platform::mb::Ok);
  }
}

}  // namespace

FileSetStream::FileSetStream(const platform::Platform& machine, std::string path)
    : machine_(machine), path_(std::move(path)) {}

bool FileSetStream::Open() {
  Close();
  bitMask_ = 128;
  bitStore_ = 0;
  platform::FileSystem* files = machine_.files;
  while (true) {
    if (files) {
      file_ = files->Open(path_, platform::Access::Read, platform::Share::ReadWrite,
                          platform::Creation::OpenExisting);
    }
    if (file_) return true;
    if (!AskForDisk(machine_)) return false;
  }
}

FileSetPlace FileSetStream::Locate() {
  if (!file_) return FileSetPlace::Absent;
  ImageLayout layout = InspectImageFile(*file_);
  FileSetPlace place = FileSetPlace::Found;
  uint32_t offset = layout.trailer.fileSetOffset;
  if (layout.kind == ImageKind::Damaged) {
    place = FileSetPlace::Damaged;
  } else if (layout.kind == ImageKind::BareRuntime || offset == 0) {
    place = FileSetPlace::Absent;
  } else if (offset + uint64_t{4} > layout.trailerOffset ||
             !file_->Seek(offset, platform::SeekOrigin::Begin)) {
    place = FileSetPlace::Damaged;  // the set total at least must lie before the trailer
  }
  if (place != FileSetPlace::Found) {
    Close();
    return place;
  }
  // The codec is known before a byte of the set is read.
  ContainerReader container(*machine_.files, path_.c_str());
  codec_ = ReadFileSetCodec(container);
  if (codec_ == FileSetCodec::Unknown) {
    Close();
    return FileSetPlace::UnknownCodec;
  }
  // The set ends where the trailer starts: what follows (the trailer, a
  // certificate table) is never read as set data.
  recordOffsets_ = ReadFileSetIndex(container, layout.trailerOffset - offset);
  readPosition_ = setStart_ = offset;
  dataEnd_ = layout.trailerOffset;
  return place;
}

bool FileSetStream::OpenCopyOf(const FileSetStream& located) {
  Close();
  Align();
  quiet_ = true;
  if (machine_.files) {
    file_ = machine_.files->Open(path_, platform::Access::Read, platform::Share::ReadWrite,
                                 platform::Creation::OpenExisting);
  }
  if (!file_) return false;
  codec_ = located.codec_;
  recordOffsets_ = located.recordOffsets_;
  setStart_ = located.setStart_;
  dataEnd_ = located.dataEnd_;
  return SeekTo(0);
}

uint64_t FileSetStream::SetOffset() const {
  return readPosition_ - (end_ - position_) - setStart_;
}

bool FileSetStream::SeekTo(uint64_t offset) {
  Align();
  if (!file_ || failed_) return false;
  uint64_t target = setStart_ + offset;
  uint64_t bufferStart = readPosition_ - end_;
  if (buffer_ && target >= bufferStart && target <= readPosition_) {
    position_ = static_cast<size_t>(target - bufferStart);
    atEnd_ = false;
    return true;
  }
  if (target > dataEnd_ ||
      !file_->Seek(static_cast<int64_t>(target), platform::SeekOrigin::Begin)) {
    failed_ = true;
    return false;
  }
  readPosition_ = target;
  position_ = end_ = 0;
  exhausted_ = atEnd_ = false;
  return true;
}

bool FileSetStream::SkipTo(uint64_t offset) {
  Align();
  uint64_t at = SetOffset();
  if (!file_ || offset < at) return false;
  while (at < offset) {
    const uint8_t* bytes = nullptr;
    size_t got = ReadSpan(&bytes, static_cast<size_t>(std::min<uint64_t>(offset - at, SIZE_MAX)));
    if (got == 0) return false;
    at += got;
  }
  return true;
}

void FileSetStream::Close() {
  file_.reset();
  recordOffsets_.clear();
  setStart_ = 0;
  readPosition_ = 0;
  dataEnd_ = UINT64_MAX;
  buffer_.reset();
  chunk_ = 0;
  position_ = end_ = 0;
  exhausted_ = atEnd_ = failed_ = false;
}

FileSetStream::Fill FileSetStream::Refill() {
  if (failed_) return Fill::Error;
  if (exhausted_) return Fill::End;
  size_t keep = std::min(kKeep, position_);
  size_t chunk = chunk_ == 0 ? kFirstChunk : std::min(2 * chunk_, kLargestChunk);
  if (chunk != chunk_) {
    std::unique_ptr<uint8_t[]> larger(new uint8_t[kKeep + chunk]);
    if (keep > 0) std::memcpy(larger.get(), buffer_.get() + position_ - keep, keep);
    buffer_ = std::move(larger);
    chunk_ = chunk;
  } else {
    std::memmove(buffer_.get(), buffer_.get() + position_ - keep, keep);
  }
  position_ = end_ = keep;
  size_t got = 0;
  size_t wanted = static_cast<size_t>(std::min<uint64_t>(chunk_, dataEnd_ - readPosition_));
  if (wanted > 0 && !file_->Read(buffer_.get() + keep, wanted, &got)) {
    failed_ = true;
    if (!quiet_) ShowDiskError(machine_);
    return Fill::Error;
  }
  if (got == 0) {
    exhausted_ = true;
    return Fill::End;
  }
  end_ += got;
  readPosition_ += got;
  return Fill::Data;
}

int FileSetStream::ReadByte() {
  if (!file_) return 0;
  if (position_ == end_) {
    Fill fill = Refill();
    if (fill != Fill::Data) {
      if (fill == Fill::End) atEnd_ = true;
      return -1;
    }
  }
  return buffer_[position_++];
}

void FileSetStream::ReadBlock(uint8_t* destination, size_t count) {
  for (size_t i = 0; i < count; ++i) destination[i] = static_cast<uint8_t>(ReadByte());
}

size_t FileSetStream::ReadSpan(const uint8_t** bytes, size_t most) {
  if (!file_ || most == 0) return 0;
  if (position_ == end_) {
    Fill fill = Refill();
    if (fill != Fill::Data) {
      if (fill == Fill::End) atEnd_ = true;
      return 0;
    }
  }
  size_t count = std::min(most, end_ - position_);
  *bytes = buffer_.get() + position_;
  position_ += count;
  return count;
}

int FileSetStream::ReadBit() {
  if (bitMask_ == 128) bitStore_ = ReadByte();
  int bit = (bitStore_ & static_cast<int>(bitMask_)) != 0 ? 1 : 0;
  bitMask_ >>= 1;
  if (bitMask_ == 0) bitMask_ = 128;
  return bit;
}

unsigned FileSetStream::ReadBits(int count) {
  unsigned value = 0;
  if (count <= 0) return 0;
  for (unsigned mask = 1u << (count - 1); mask != 0; mask >>= 1) {
    if (ReadBit()) value |= mask;
  }
  return value;
}

void FileSetStream::Align() {
  bitMask_ = 128;
  bitStore_ = 0;
}

BitReader::BitReader(FileSetStream& stream) : stream_(stream), noFile_(!stream.file_) {
  if (stream_.bitMask_ == 128) return;
  // The unread low bits of the current byte come first.
  unsigned mask = stream_.bitMask_;
  int bits = 0;
  while ((mask >> bits) != 0) ++bits;
  uint64_t pending = static_cast<unsigned>(stream_.bitStore_) & ((mask << 1) - 1);
  window_ = pending << (64 - bits);
  count_ = pendingBits_ = bits;
  pendingPastEnd_ = stream_.bitStore_ < 0 ? 1 : 0;
}

void BitReader::Fill() {
  if (noFile_) {  // without a file every byte reads as 0
    count_ = 64;
    return;
  }
  if (count_ > 56) return;
  if (stream_.end_ - stream_.position_ >= 8) {
    // Eight bytes at once; those that do not fit whole stay in the buffer.
    // The bits of the part that does not fit land below count_, where they
    // equal what the next fill puts there.
    uint64_t bytes = BigEndian64(stream_.buffer_.get() + stream_.position_);
    int taken = (64 - count_) / 8;
    window_ |= bytes >> count_;
    stream_.position_ += static_cast<size_t>(taken);
    realBytes_ += static_cast<uint64_t>(taken);
    count_ += 8 * taken;
    return;
  }
  while (count_ <= 56) {
    uint64_t byte = 0xFF;
    if (stream_.position_ < stream_.end_ || stream_.Refill() == FileSetStream::Fill::Data) {
      byte = stream_.buffer_[stream_.position_++];
      ++realBytes_;
    } else {
      ++virtualBytes_;
    }
    window_ |= byte << (56 - count_);
    count_ += 8;
  }
}

bool BitReader::UsedPastEnd() const {
  int64_t used = pendingBits_ + 8 * static_cast<int64_t>(realBytes_ + virtualBytes_) - count_;
  if (used > 0 && pendingPastEnd_) return true;
  int64_t fromBytes = std::max<int64_t>(0, used - pendingBits_);
  return static_cast<uint64_t>((fromBytes + 7) / 8) > realBytes_;
}

BitReader::~BitReader() {
  if (noFile_) return;
  int64_t used = pendingBits_ + 8 * static_cast<int64_t>(realBytes_ + virtualBytes_) - count_;
  if (used <= pendingBits_) {
    // Only bits of the byte taken over were used: the stream keeps that byte.
    int left = pendingBits_ - static_cast<int>(used);
    stream_.bitMask_ = left == 0 ? 128u : 1u << (left - 1);
    stream_.position_ -= realBytes_;
    return;
  }
  int64_t fromBytes = used - pendingBits_;
  uint64_t touched = static_cast<uint64_t>((fromBytes + 7) / 8);
  uint64_t realTouched = std::min(touched, realBytes_);
  stream_.position_ -= realBytes_ - realTouched;  // whole bytes not reached go back
  if (touched > realBytes_ && !stream_.failed_) stream_.atEnd_ = true;
  int usedInLast = static_cast<int>(fromBytes % 8);
  if (usedInLast == 0) {
    stream_.bitMask_ = 128;
    return;
  }
  stream_.bitMask_ = 128u >> usedInLast;
  stream_.bitStore_ = touched > realBytes_ ? -1 : stream_.buffer_[stream_.position_ - 1];
}

}  // namespace vorna
