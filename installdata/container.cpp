#include "installdata/container.h"

#include <cstring>
#include <string>

#include "installdata/plain_entry_file.h"
#include "installdata/scramble.h"
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

// A missing program file is no setup: its names are plain files.
void ContainerReader::OpenContainer(const std::string& path) {
  std::unique_ptr<platform::File> file = files_.Open(
      path, platform::Access::Read, platform::Share::Read, platform::Creation::OpenExisting);
  if (!file) return;
  layout_ = InspectImageFile(*file);
  if (layout_.kind != ImageKind::Setup || !file->Seek(0, platform::SeekOrigin::Begin)) return;
  base_ = layout_.trailer.base;
  containerEnd_ = layout_.trailerOffset;
  container_ = std::make_unique<BufferedFile>(std::move(file));
}

void ContainerReader::MarkDamaged(const std::string& problem) {
  layout_.kind = ImageKind::Damaged;
  layout_.problem = problem;
  container_.reset();
}

bool ContainerReader::CheckDirectory() {
  if (container_ && FindInDirectory("") == Lookup::Damaged) {
    MarkDamaged("the container's directory breaks off");
  }
  return layout_.kind != ImageKind::Damaged;
}

bool ContainerReader::OpenEntry(const char* name, const char* mode) {
  plain_.reset();
  entryOpen_ = false;
  entryStart_ = entrySize_ = bytesLeft_ = 0;
  if (layout_.kind == ImageKind::Damaged) return false;
  if (!container_) return OpenPlainFile(name, mode);
  std::string wanted = UpperCased(name);
  // The name field cannot hold a longer name, so no record can match it.
  if (wanted.empty() || wanted.size() > kMaxEntryNameLength) return OpenPlainFile(name, mode);
  switch (FindInDirectory(wanted)) {
    case Lookup::Found:
      return true;
    case Lookup::Missing:
      return OpenPlainFile(name, mode);
    case Lookup::Damaged:
      break;
  }
  MarkDamaged("the container's directory breaks off");
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

// Walks the directory from base. The first record whose name matches wins;
// the end record ends the walk without one. A record that cannot be read in
// full, one without a terminated name and one whose data would run past the
// container's end mean a damaged file.
ContainerReader::Lookup ContainerReader::FindInDirectory(const std::string& wanted) {
  container_->Seek(base_);
  uint8_t record[kDirectoryRecordSize];
  while (ReadRecord(record)) {
    uint32_t size = ReadLittleEndian32(record);
    const char* recordName = reinterpret_cast<const char*>(record + 4);
    if (size == kEndRecordMarker) return Lookup::Missing;
    if (std::memchr(recordName, '\0', kEntryNameFieldSize) == nullptr) return Lookup::Damaged;
    uint64_t dataStart = container_->Tell();
    if (dataStart > containerEnd_ || size > containerEnd_ - dataStart) return Lookup::Damaged;
    if (!wanted.empty() && UpperCased(recordName) == wanted) {
      entryStart_ = dataStart;
      entrySize_ = bytesLeft_ = size;
      entryOpen_ = true;
      return Lookup::Found;
    }
    container_->Seek(dataStart + size);
  }
  return Lookup::Damaged;
}

bool ContainerReader::ReadRecord(uint8_t* record) {
  uint64_t offset = container_->Tell();
  if (offset < base_ || offset > containerEnd_ || containerEnd_ - offset < kDirectoryRecordSize ||
      container_->Read(record, kDirectoryRecordSize) != kDirectoryRecordSize) {
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
