#include "tools/pack/authoring/pe_file.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace vorna::authoring {

namespace {

constexpr uint16_t kPe32 = 0x10B;
constexpr uint16_t kPe32Plus = 0x20B;
constexpr size_t kSectionHeaderSize = 40;
constexpr size_t kSectionNameSize = 8;
constexpr uint16_t kMostSections = 96;
// Offsets in the optional header, the same in its 32- and 64-bit forms.
constexpr size_t kInitializedDataField = 8;
constexpr size_t kSectionAlignmentField = 32;
constexpr size_t kFileAlignmentField = 36;
constexpr size_t kImageSizeField = 56;
constexpr size_t kHeadersSizeField = 60;
constexpr uint32_t kReadableData = 0x40000040;  // initialized data, readable

uint32_t Align(uint64_t value, uint32_t alignment) {
  if (alignment == 0) return static_cast<uint32_t>(value);
  return static_cast<uint32_t>((value + alignment - 1) / alignment * alignment);
}

}  // namespace

std::optional<PeFile> PeFile::Parse(std::vector<uint8_t> bytes) {
  PeFile file(std::move(bytes));
  if (!file.ReadHeaders()) return std::nullopt;
  return file;
}

uint32_t PeFile::Get32(size_t at) const {
  const uint8_t* b = bytes_.data() + at;
  return b[0] | b[1] << 8 | b[2] << 16 | static_cast<uint32_t>(b[3]) << 24;
}

void PeFile::Put32(size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes_[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// dos header -> "MZ" ... e_lfanew at 0x3C
// nt headers -> "PE\0\0" coff-header(20) optional-header(with directories) section-table
bool PeFile::ReadHeaders() {
  if (bytes_.size() < 64 || bytes_[0] != 'M' || bytes_[1] != 'Z') return false;
  size_t ntAt = Get32(0x3C);
  if (ntAt > bytes_.size() || bytes_.size() - ntAt < 24) return false;
  if (std::memcmp(bytes_.data() + ntAt, "PE\0\0", 4) != 0) return false;
  coffAt_ = ntAt + 4;
  uint16_t count = static_cast<uint16_t>(bytes_[coffAt_ + 2] | bytes_[coffAt_ + 3] << 8);
  size_t optionalSize = bytes_[coffAt_ + 16] | bytes_[coffAt_ + 17] << 8;
  optionalAt_ = coffAt_ + 20;
  sectionTableAt_ = optionalAt_ + optionalSize;
  if (count > kMostSections || sectionTableAt_ + count * kSectionHeaderSize > bytes_.size() ||
      optionalSize < 2) {
    return false;
  }
  uint16_t magic = static_cast<uint16_t>(bytes_[optionalAt_] | bytes_[optionalAt_ + 1] << 8);
  if (magic != kPe32 && magic != kPe32Plus) return false;
  size_t countAt = optionalAt_ + (magic == kPe32 ? 92 : 108);
  directoriesAt_ = countAt + 4;
  directoryCount_ = Get32(countAt);
  if (directoriesAt_ + 8 * std::min<uint32_t>(directoryCount_, 16) > sectionTableAt_ ||
      directoryCount_ <= static_cast<uint32_t>(PeDirectory::Security)) {
    return false;
  }
  for (uint16_t i = 0; i < count; ++i) {
    size_t at = sectionTableAt_ + i * kSectionHeaderSize;
    PeSection section;
    section.name.assign(
        reinterpret_cast<const char*>(bytes_.data() + at),
        strnlen(reinterpret_cast<const char*>(bytes_.data() + at), kSectionNameSize));
    section.virtualSize = Get32(at + 8);
    section.virtualAddress = Get32(at + 12);
    section.rawSize = Get32(at + 16);
    section.rawOffset = Get32(at + 20);
    if (section.rawSize > 0 && (section.rawOffset > bytes_.size() ||
                                section.rawSize > bytes_.size() - section.rawOffset)) {
      return false;
    }
    sections_.push_back(section);
  }
  return true;
}

size_t PeFile::DirectoryAt(PeDirectory directory) const {
  return directoriesAt_ + 8 * static_cast<size_t>(directory);
}

uint32_t PeFile::DirectoryAddress(PeDirectory directory) const {
  return Get32(DirectoryAt(directory));
}

uint32_t PeFile::DirectorySize(PeDirectory directory) const {
  return Get32(DirectoryAt(directory) + 4);
}

std::optional<std::vector<uint8_t>> PeFile::ReadRva(uint32_t rva, uint32_t size) const {
  for (const PeSection& section : sections_) {
    if (rva < section.virtualAddress || rva - section.virtualAddress >= section.rawSize) continue;
    uint32_t into = rva - section.virtualAddress;
    if (size > section.rawSize - into) return std::nullopt;
    const uint8_t* start = bytes_.data() + section.rawOffset + into;
    return std::vector<uint8_t>(start, start + size);
  }
  return std::nullopt;
}

uint32_t PeFile::NextSectionRva() const {
  uint64_t end = Get32(optionalAt_ + kHeadersSizeField);
  for (const PeSection& section : sections_) {
    end = std::max<uint64_t>(
        end, uint64_t{section.virtualAddress} + std::max(section.virtualSize, section.rawSize));
  }
  return Align(end, Get32(optionalAt_ + kSectionAlignmentField));
}

void PeFile::AddSection(const std::string& name, const std::vector<uint8_t>& data,
                        PeDirectory directory) {
  size_t headerAt = sectionTableAt_ + sections_.size() * kSectionHeaderSize;
  uint64_t rawEnd = Get32(optionalAt_ + kHeadersSizeField);
  uint64_t firstRaw = rawEnd;
  for (const PeSection& section : sections_) {
    if (section.rawSize == 0) continue;
    rawEnd = std::max<uint64_t>(rawEnd, uint64_t{section.rawOffset} + section.rawSize);
    firstRaw = std::min<uint64_t>(firstRaw, section.rawOffset);
  }
  if (headerAt + kSectionHeaderSize > firstRaw) {
    throw std::runtime_error("the stub's section table has no room for one more section");
  }
  uint32_t fileAlignment = Get32(optionalAt_ + kFileAlignmentField);
  uint32_t rva = NextSectionRva();
  uint32_t rawAt = Align(rawEnd, fileAlignment);
  uint32_t rawSize = Align(data.size(), fileAlignment);
  // What lies behind the sections (the COFF symbols of an unstripped program)
  // moves behind the new one.
  std::vector<uint8_t> behind(
      bytes_.begin() + static_cast<ptrdiff_t>(std::min<uint64_t>(rawEnd, bytes_.size())),
      bytes_.end());
  uint32_t symbols = Get32(coffAt_ + 8);
  if (symbols >= rawEnd)
    Put32(coffAt_ + 8, static_cast<uint32_t>(symbols - rawEnd + rawAt + rawSize));
  bytes_.resize(rawAt, 0);
  bytes_.insert(bytes_.end(), data.begin(), data.end());
  bytes_.resize(size_t{rawAt} + rawSize, 0);
  bytes_.insert(bytes_.end(), behind.begin(), behind.end());

  PeSection section{name.substr(0, kSectionNameSize), static_cast<uint32_t>(data.size()), rva,
                    rawSize, rawAt};
  std::memset(bytes_.data() + headerAt, 0, kSectionHeaderSize);
  std::memcpy(bytes_.data() + headerAt, section.name.data(), section.name.size());
  Put32(headerAt + 8, section.virtualSize);
  Put32(headerAt + 12, rva);
  Put32(headerAt + 16, rawSize);
  Put32(headerAt + 20, rawAt);
  Put32(headerAt + 36, kReadableData);
  sections_.push_back(section);
  uint16_t count = static_cast<uint16_t>(sections_.size());
  bytes_[coffAt_ + 2] = static_cast<uint8_t>(count);
  bytes_[coffAt_ + 3] = static_cast<uint8_t>(count >> 8);
  Put32(optionalAt_ + kImageSizeField,
        Align(uint64_t{rva} + data.size(), Get32(optionalAt_ + kSectionAlignmentField)));
  Put32(optionalAt_ + kInitializedDataField, Get32(optionalAt_ + kInitializedDataField) + rawSize);
  Put32(DirectoryAt(directory), rva);
  Put32(DirectoryAt(directory) + 4, static_cast<uint32_t>(data.size()));
}

void PeFile::RenameSection(const std::string& from, const std::string& to) {
  for (size_t i = 0; i < sections_.size(); ++i) {
    if (sections_[i].name != from) continue;
    size_t at = sectionTableAt_ + i * kSectionHeaderSize;
    sections_[i].name = to.substr(0, kSectionNameSize);
    std::memset(bytes_.data() + at, 0, kSectionNameSize);
    std::memcpy(bytes_.data() + at, sections_[i].name.data(), sections_[i].name.size());
  }
}

bool PeFile::RemoveSignature() {
  uint32_t offset = DirectoryAddress(PeDirectory::Security);
  uint32_t size = DirectorySize(PeDirectory::Security);
  if (size == 0) return false;
  if (offset > bytes_.size() || bytes_.size() - offset != size) {
    throw std::runtime_error("the stub's certificate table does not close the file");
  }
  bytes_.resize(offset);
  Put32(DirectoryAt(PeDirectory::Security), 0);
  Put32(DirectoryAt(PeDirectory::Security) + 4, 0);
  return true;
}

void PeChecksum::Add(const uint8_t* bytes, size_t size) {
  for (size_t i = 0; i < size; ++i, ++offset_) {
    uint32_t byte = offset_ >= field_ && offset_ < field_ + 4 ? 0 : bytes[i];
    sum_ += offset_ % 2 == 0 ? byte : byte << 8;
    if ((offset_ & 0xFFFF) == 0xFFFF) sum_ = (sum_ & 0xFFFF) + (sum_ >> 16);
  }
}

uint32_t PeChecksum::Value() const {
  uint64_t sum = sum_;
  while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
  return static_cast<uint32_t>(sum + offset_);
}

}  // namespace vorna::authoring
