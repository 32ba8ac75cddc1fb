#include "installdata/container.h"

#include <cstring>
#include <string>

#include "installdata/plain_entry_file.h"
#include "installdata/scramble.h"
#include "installdata/trailer.h"
#include "platform/files.h"

namespace vorna {

namespace {

// Entry names compare without regard to case, by the rules of the "C"
// locale: only a-z change.
std::string UpperCased(const char* text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

// Only read modes make sense for an entry; a mode without "b" is text mode.
bool IsReadMode(const char* mode) {
  return std::strpbrk(mode, "wa+") == nullptr;
}

// One byte of a container entry, unscrambled at its own offset.
int ReadEntryByte(BufferedFile& file, uint64_t base) {
  uint64_t offset = file.Tell();
  int c = file.ReadByte();
  if (c < 0) return -1;
  const std::string& key = ContainerKey();
  return UnscrambleByte(static_cast<uint8_t>(c), KeyPositionAt(offset - base, key), key);
}

}  // namespace

ContainerReader::ContainerReader(platform::FileSystem& files) : files_(files) {
  OpenContainer(files_.ProgramPath());
}

ContainerReader::ContainerReader(platform::FileSystem& files, const char* installDataPath)
    : files_(files) {
  OpenContainer(installDataPath);
}

ContainerReader::~ContainerReader() {
  Close();
}

void ContainerReader::OpenContainer(const std::string& path) {
  std::unique_ptr<platform::File> file = files_.Open(
      path, platform::Access::Read, platform::Share::Read, platform::Creation::OpenExisting);
  Trailer trailer;
  uint64_t size = 0;
  if (!file || !file->Size(&size) || !ReadTrailer(*file, &trailer)) return;
  if (!file->Seek(0, platform::SeekOrigin::Begin)) return;
  base_ = trailer.base;
  containerEnd_ = size - kTrailerSize;
  container_ = std::make_unique<BufferedFile>(std::move(file));
}

bool ContainerReader::OpenEntry(const char* name, const char* mode) {
  plain_.reset();
  entryOpen_ = false;
  entryStart_ = entrySize_ = bytesLeft_ = 0;
  if (container_ && FindInDirectory(name)) return true;
  return OpenPlainFile(name, mode);
}

bool ContainerReader::OpenStoredEntry(const char* name) {
  if (!OpenEntry(name, "rb")) return false;
  if (!plain_) return true;
  plain_.reset();  // a plain file of that name is no entry
  return false;
}

bool ContainerReader::OpenPlainFile(const char* name, const char* mode) {
  if (!IsReadMode(mode) || name[0] == '\0') return false;
  std::unique_ptr<platform::File> file = files_.Open(
      name, platform::Access::Read, platform::Share::ReadWrite, platform::Creation::OpenExisting);
  if (!file) return false;
  TextMode textMode = std::strchr(mode, 'b') ? TextMode::Binary : TextMode::Text;
  plain_ = std::make_unique<PlainEntryFile>(std::move(file), textMode);
  return true;
}

// Walks the directory from base. The first record whose name matches wins.
// The walk ends at the end record, at a record without a terminated name, at
// a record that cannot be read in full, and at a record whose data would run
// past the container's end (a damaged file): none of these is an entry.
bool ContainerReader::FindInDirectory(const char* name) {
  const std::string wanted = UpperCased(name);
  if (wanted.size() > kMaxEntryNameLength) return false;  // the name field cannot hold it
  container_->Seek(base_);
  uint8_t record[kDirectoryRecordSize];
  while (ReadRecord(record)) {
    uint32_t size = ReadLittleEndian32(record);
    const char* recordName = reinterpret_cast<const char*>(record + 4);
    if (size == kEndRecordMarker) return false;
    if (std::memchr(recordName, '\0', kEntryNameFieldSize) == nullptr) return false;
    uint64_t dataStart = container_->Tell();
    if (dataStart > containerEnd_ || size > containerEnd_ - dataStart) return false;
    if (UpperCased(recordName) == wanted) {
      entryStart_ = dataStart;
      entrySize_ = bytesLeft_ = size;
      entryOpen_ = true;
      return true;
    }
    container_->Seek(dataStart + size);
  }
  return false;
}

bool ContainerReader::ReadRecord(uint8_t* record) {
  uint64_t offset = container_->Tell();
  if (offset < base_ || container_->Read(record, kDirectoryRecordSize) != kDirectoryRecordSize) {
    return false;
  }
  UnscrambleBlock(record, kDirectoryRecordSize, offset - base_, ContainerKey());
  return true;
}

bool ContainerReader::AtEndOfEntry() {
  if (plain_) return plain_->eof();
  if (entryOpen_) return bytesLeft_ < 1;
  return true;
}

int ContainerReader::ReadByte() {
  if (plain_) return plain_->ReadByte();
  if (!entryOpen_ || bytesLeft_ < 1) return -1;
  int c = ReadEntryByte(*container_, base_);
  bytesLeft_ = c < 0 ? 0 : bytesLeft_ - 1;
  return c;
}

size_t ContainerReader::ReadBlock(void* buffer, size_t size, size_t count) {
  if (plain_) return plain_->ReadBlock(buffer, size, count);
  if (!entryOpen_ || size == 0 || count > SIZE_MAX / size) return 0;
  uint64_t wanted = static_cast<uint64_t>(size) * count;
  size_t n = static_cast<size_t>(wanted < bytesLeft_ ? wanted : bytesLeft_);
  if (n == 0) return 0;
  uint64_t offset = container_->Tell();
  size_t got = container_->Read(buffer, n);
  UnscrambleBlock(static_cast<uint8_t*>(buffer), got, offset - base_, ContainerKey());
  bytesLeft_ = got < n ? 0 : bytesLeft_ - got;
  return got;
}

char* ContainerReader::ReadLine(char* buffer, size_t limit) {
  if (plain_) return plain_->ReadLine(buffer, limit);
  if (entryOpen_) return ReadContainerLine(buffer, limit);
  return nullptr;
}

// A container line ends after a CR; LFs are dropped wherever they stand, so
// a CR LF pair leaves the LF to be dropped at the start of the next line.
char* ContainerReader::ReadContainerLine(char* buffer, size_t limit) {
  if (container_->Tell() > entryStart_ + entrySize_ || bytesLeft_ < 1) return nullptr;
  size_t stored = 0;
  for (size_t read = 0; read < limit + 1 && bytesLeft_ > 0; ++read) {
    int c = ReadByte();
    if (c < 0) break;
    if (c != '\n') buffer[stored++] = static_cast<char>(c);
    if (c == '\r') break;
  }
  buffer[stored] = '\0';
  return buffer;
}

void ContainerReader::Close() {
  plain_.reset();
  container_.reset();
  entryOpen_ = false;
  entryStart_ = entrySize_ = bytesLeft_ = 0;
}

}  // namespace vorna
