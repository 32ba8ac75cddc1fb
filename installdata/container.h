// The reader of the install data container: the scrambled directory of text
// entries behind the program image, with a fallback to plain files.
//
// The install data file is the running program's own file. Its trailer
// (found by image_layout.h) gives the container's base; from there, each
// entry is a 36-byte directory record (size, then a zero-terminated name of
// at most 31 characters) followed by its data, and an end record whose size
// field holds "QUIL" closes the directory. Every container byte is scrambled
// with the process-wide key (scramble.h). A name that an intact container
// does not hold, or every name when the file is a bare runtime, is opened as
// a plain file. A damaged file (install data without a valid trailer, a
// directory that breaks off) opens nothing at all: a plain file of the
// current folder must never stand in for a part of a broken setup.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "installdata/buffered_file.h"
#include "installdata/image_layout.h"

namespace vorna {

/// Size of a directory record and of its name field.
constexpr size_t kDirectoryRecordSize = 36;
constexpr size_t kEntryNameFieldSize = 32;
/// Longest entry name the directory can hold.
constexpr size_t kMaxEntryNameLength = kEntryNameFieldSize - 1;
/// The size field of the end record: the characters "QUIL", little-endian.
constexpr uint32_t kEndRecordMarker = 0x4C495551;

class PlainEntryFile;

/// Reads one entry at a time from the container or from a plain file.
/// Belongs to the thread that created it.
class ContainerReader {
 public:
  /// Opens the install data file (the program's own file) of files and reads
  /// its trailer; without the file or the trailer's magic the reader works
  /// with plain files only. files outlives the reader.
  explicit ContainerReader(platform::FileSystem& files);
  /// The same over another install data file (the packer and the tests).
  ContainerReader(platform::FileSystem& files, const char* installDataPath);
  ~ContainerReader();
  ContainerReader(const ContainerReader&) = delete;
  ContainerReader& operator=(const ContainerReader&) = delete;

  /// True when the install data file carries a container.
  bool hasContainer() const { return container_ != nullptr; }
  /// What the install data file is: a setup, a bare runtime, or damaged.
  ImageKind imageKind() const { return layout_.kind; }
  /// Why the install data file is damaged; empty when it is not.
  const std::string& problem() const { return layout_.problem; }
  /// Walks the whole directory of a setup; false (and the file counts as
  /// damaged from then on) when it breaks off before its end record.
  bool CheckDirectory();

  /// Opens the entry of that name (any case) from the directory, else the
  /// plain file of that name with the C-style mode ("r" text, "rb" binary).
  /// Whatever entry was open before is closed.
  bool OpenEntry(const char* name, const char* mode);
  /// True when no entry is open or the open one is exhausted.
  bool AtEndOfEntry();
  /// The next byte (0..255) of the entry, or -1 at its end.
  int ReadByte();
  /// Reads up to size * count bytes. Answers the items read from a plain file
  /// and the bytes read from a container entry.
  size_t ReadBlock(void* buffer, size_t size, size_t count);
  /// Reads one line into buffer, which must hold limit + 2 bytes; nullptr when
  /// nothing can be read. A container line keeps its CR, drops LFs and holds at
  /// most limit + 1 bytes; a plain-file line holds at most limit - 1 bytes and
  /// keeps its LF.
  char* ReadLine(char* buffer, size_t limit);
  /// Closes the install data file and the plain file.
  void Close();

 private:
  /// How a walk of the directory ended.
  enum class Lookup { Found, Missing, Damaged };

  void OpenContainer(const std::string& path);
  bool OpenPlainFile(const char* name, const char* mode);
  /// Walks the directory for wanted (upper case); an empty name walks to the end.
  Lookup FindInDirectory(const std::string& wanted);
  void MarkDamaged(const std::string& problem);
  /// Reads and unscrambles the record at the current offset; false when it
  /// cannot be read in full.
  bool ReadRecord(uint8_t* record);
  char* ReadContainerLine(char* buffer, size_t limit);

  platform::FileSystem& files_;
  std::unique_ptr<BufferedFile> container_;
  std::unique_ptr<PlainEntryFile> plain_;
  ImageLayout layout_;
  uint64_t base_ = 0;
  uint64_t containerEnd_ = 0;  // where the trailer starts; no entry reaches past it
  uint64_t entryStart_ = 0;
  uint64_t entrySize_ = 0;
  uint64_t bytesLeft_ = 0;
  bool entryOpen_ = false;
};

}  // namespace vorna
