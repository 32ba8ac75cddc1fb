// The reader over the file set: the area of the install data file that holds
// the compressed files to install.
//
// Bytes and bits come in order from one buffered window over the file. Bits
// are taken most significant first through an 8-bit mask, exactly as the
// packer wrote them; past the end every byte reads as -1 and every bit as 1.
// The first read error is shown to the user once ("Disk Error") and ends
// the reading: the data after it cannot be trusted, so every later byte reads
// as -1 and failed() tells the copy to stop.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "installdata/fileset_codec.h"
#include "platform/platform.h"

namespace vorna {

constexpr char kDiskNeededText[] = "Please insert disk number 1";
constexpr char kDiskNeededCaption[] = "Disk Needed";
constexpr char kDiskErrorText[] =
    "An error has occured while trying to read the install disk.  This disk may be defective.";
constexpr char kDiskErrorCaption[] = "Disk Error";

/// Where Locate found the file set.
enum class FileSetPlace {
  Found,
  Absent,
  Damaged,
  UnknownCodec,  // the image names a codec this runtime cannot read
};

class FileSetStream {
 public:
  /// A stream over the install data file at path (the program's own file),
  /// read through machine's file system; the disk prompts use its system and
  /// interaction. machine outlives the stream.
  FileSetStream(const platform::Platform& machine, std::string path);

  /// The file the stream reads.
  const std::string& path() const { return path_; }
  /// The platform the stream reads through (the copy writes through it too).
  const platform::Platform& machine() const { return machine_; }

  /// Opens the file, asking for the disk ("Disk Needed", OK / Cancel) while it
  /// cannot be opened; false when the user cancelled.
  bool Open();
  /// Positions the stream at the set total and learns the set's codec, or
  /// closes it when the file has no file set; a damaged file (image_layout.h)
  /// closes it too, and so does a codec it cannot read. Reads end where the
  /// trailer starts.
  FileSetPlace Locate();
  /// The codec of the located file set's records.
  FileSetCodec codec() const { return codec_; }
  /// Where the located set's records start, from the set's start (its set
  /// total), as its index tells; empty without a sound index (fileset_index.h).
  const std::vector<uint32_t>& recordOffsets() const { return recordOffsets_; }
  /// Opens a second, quiet stream over the same located set (its own file
  /// handle, no disk prompts or messages: a read error only marks it
  /// failed), standing at the set's start; false when the file cannot be opened.
  bool OpenCopyOf(const FileSetStream& located);

  /// Where the next whole byte lies, from the set's start.
  uint64_t SetOffset() const;
  /// Moves to offset from the set's start, dropping any unread bits; false
  /// (and failed) when the file cannot be positioned.
  bool SeekTo(uint64_t offset);
  /// Reads forward to offset from the set's start (as a sequential reader
  /// would, so the reads stay the same); false when the data ends or fails
  /// first, or offset lies behind.
  bool SkipTo(uint64_t offset);
  /// Closes the file (reads then answer 0).
  void Close();

  /// The next byte 0..255; -1 at the end of the data or after a read error; 0 without a file.
  int ReadByte();
  /// Reads count bytes through ReadByte (a -1 is stored as 255).
  void ReadBlock(uint8_t* destination, size_t count);
  /// The next bit, 0 or 1.
  int ReadBit();
  /// count bits as a number, the first bit read the most significant.
  unsigned ReadBits(int count);
  /// Drops the unread bits of the current byte.
  void Align();
  /// Reads up to most whole bytes at once, from the byte after the last one
  /// read: *bytes points at them until the next read. 0 at the end of the
  /// data or after a read error (AtEnd and failed tell which).
  size_t ReadSpan(const uint8_t** bytes, size_t most);

  /// True while a file is open.
  bool HasFile() const { return file_ != nullptr; }
  /// The end-of-file indicator: set once a read has met the end of the file.
  bool AtEnd() const { return atEnd_; }
  /// True once a read error has been met.
  bool failed() const { return failed_; }

 private:
  friend class BitReader;

  enum class Fill { Data, End, Error };
  /// Loads more of the file into the buffer, keeping the last bytes before
  /// position_ so that a BitReader can hand back what it did not use.
  Fill Refill();

  static constexpr size_t kKeep = 16;
  // Reads start small (a total-size query reads 4 bytes) and grow to large
  // blocks for a copy.
  static constexpr size_t kFirstChunk = 64 * 1024;
  static constexpr size_t kLargestChunk = 1 << 20;

  const platform::Platform& machine_;
  std::string path_;
  FileSetCodec codec_ = FileSetCodec::Huffman;
  std::vector<uint32_t> recordOffsets_;
  uint64_t setStart_ = 0;  // the file offset of the set total
  bool quiet_ = false;     // a copy: no prompts, no messages
  std::unique_ptr<platform::File> file_;
  std::unique_ptr<uint8_t[]> buffer_;
  size_t chunk_ = 0;               // bytes the next read asks for
  size_t position_ = 0;            // next byte in buffer_
  size_t end_ = 0;                 // bytes of buffer_ that hold data
  uint64_t readPosition_ = 0;      // the file offset the next read starts at
  uint64_t dataEnd_ = UINT64_MAX;  // where the set's data ends (the trailer's offset)
  bool exhausted_ = false;         // the file has no more data
  bool atEnd_ = false;             // a read has met the end
  bool failed_ = false;
  unsigned bitMask_ = 128;
  int bitStore_ = 0;
};

/// Fast bit access for the decoder: takes over the stream's bit position,
/// holds up to 64 bits in a register, and hands the unused ones back when it
/// ends, so that the stream continues exactly where the bits were used up.
class BitReader {
 public:
  explicit BitReader(FileSetStream& stream);
  ~BitReader();
  BitReader(const BitReader&) = delete;
  BitReader& operator=(const BitReader&) = delete;

  /// The next bit, 0 or 1.
  unsigned Bit() {
    if (count_ == 0) Fill();
    unsigned bit = static_cast<unsigned>(window_ >> 63);
    window_ <<= 1;
    --count_;
    return bit;
  }
  /// The next 8 bits as a byte, most significant first.
  unsigned Byte() {
    if (count_ < 8) Fill();
    unsigned byte = static_cast<unsigned>(window_ >> 56);
    window_ <<= 8;
    count_ -= 8;
    return byte;
  }
  /// The unused bits in hand, for a decoder that keeps them in registers.
  struct Window {
    uint64_t bits;  // the next bit is the top one
    int count;
  };
  /// Takes the bits in hand; Restore gives them back before any other call.
  Window Take() const { return {window_, count_}; }
  /// Gives back the bits taken (with those used dropped).
  void Restore(Window window) {
    window_ = window.bits;
    count_ = window.count;
  }
  /// Tops a taken window up, as Bit and Byte do when they run short.
  Window Refilled(Window window) {
    Restore(window);
    Fill();
    return Take();
  }
  /// True when some bits in hand may come from past the end (PastEnd then tells).
  bool MayBePastEnd() const { return virtualBytes_ != 0 || pendingPastEnd_ != 0; }
  /// True once a bit past the end of the data (or after a read error) was used.
  bool PastEnd() const { return (virtualBytes_ != 0 || pendingPastEnd_ != 0) && UsedPastEnd(); }

 private:
  /// Tops the window up with whole bytes; past the end they are all ones.
  void Fill();
  /// Counts whether the bits used so far reach a byte from past the end.
  bool UsedPastEnd() const;

  FileSetStream& stream_;
  bool noFile_ = false;
  uint64_t window_ = 0;
  int count_ = 0;              // unused bits at the top of window_
  int pendingBits_ = 0;        // bits taken over from the stream's current byte
  int pendingPastEnd_ = 0;     // 1 when those came from a -1 byte
  uint64_t realBytes_ = 0;     // bytes loaded from the data
  uint64_t virtualBytes_ = 0;  // all-ones bytes loaded past the end
};

}  // namespace vorna
