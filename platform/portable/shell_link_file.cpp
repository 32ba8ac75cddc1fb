#include "platform/portable/shell_link_file.h"

#include <cstring>

namespace vorna::platform {

const uint8_t kShellLinkClassId[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                       0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

namespace {

constexpr uint32_t kLinkInfoHeaderSize = 0x1C;
constexpr uint32_t kVolumeIdHeaderSize = 0x10;
constexpr uint32_t kVolumeIdAndLocalBasePath = 0x1;
constexpr uint32_t kDriveFixed = 3;

// ---------------------------------------------------------------------------
// Writing

class ByteWriter {
 public:
  void U16(uint32_t value) {
    bytes_.push_back(static_cast<uint8_t>(value));
    bytes_.push_back(static_cast<uint8_t>(value >> 8));
  }
  void U32(uint32_t value) {
    U16(value & 0xFFFF);
    U16(value >> 16);
  }
  void Zeros(size_t count) { bytes_.insert(bytes_.end(), count, 0); }
  void Bytes(const void* data, size_t size) {
    const uint8_t* from = static_cast<const uint8_t*>(data);
    bytes_.insert(bytes_.end(), from, from + size);
  }
  /// A text and its terminating zero.
  void ZeroTerminated(const std::string& text) { Bytes(text.c_str(), text.size() + 1); }
  std::vector<uint8_t>& bytes() { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

uint32_t FlagsFor(const ShellLink& link) {
  uint32_t flags = 0;
  if (!link.localBasePath.empty()) flags |= linkFlags::HasLinkInfo;
  if (!link.description.empty()) flags |= linkFlags::HasName;
  if (!link.relativePath.empty()) flags |= linkFlags::HasRelativePath;
  if (!link.workingDir.empty()) flags |= linkFlags::HasWorkingDir;
  if (!link.arguments.empty()) flags |= linkFlags::HasArguments;
  if (!link.iconLocation.empty()) flags |= linkFlags::HasIconLocation;
  return flags;
}

void WriteHeader(uint32_t flags, uint32_t showCommand, ByteWriter* out) {
  out->U32(kShellLinkHeaderSize);
  out->Bytes(kShellLinkClassId, sizeof kShellLinkClassId);
  out->U32(flags);
  out->U32(0);     // file attributes of the target: unknown
  out->Zeros(24);  // creation, access and write times of the target: unknown
  out->U32(0);     // target size
  out->U32(0);     // icon index
  out->U32(showCommand);
  out->U16(0);     // hot key
  out->Zeros(10);  // reserved
}

/// A link-info block naming a local target on a fixed drive without a label.
void WriteLinkInfo(const std::string& basePath, ByteWriter* out) {
  uint32_t volumeIdSize = kVolumeIdHeaderSize + 1;
  uint32_t basePathOffset = kLinkInfoHeaderSize + volumeIdSize;
  uint32_t suffixOffset = basePathOffset + static_cast<uint32_t>(basePath.size()) + 1;
  uint32_t totalSize = suffixOffset + 1;
  out->U32(totalSize);
  out->U32(kLinkInfoHeaderSize);
  out->U32(kVolumeIdAndLocalBasePath);
  out->U32(kLinkInfoHeaderSize);  // the volume id follows the header
  out->U32(basePathOffset);
  out->U32(0);  // no network location
  out->U32(suffixOffset);
  out->U32(volumeIdSize);
  out->U32(kDriveFixed);
  out->U32(0);  // drive serial number
  out->U32(kVolumeIdHeaderSize);
  out->ZeroTerminated("");  // volume label
  out->ZeroTerminated(basePath);
  out->ZeroTerminated("");  // common path suffix
}

void WriteCountedString(const std::string& text, ByteWriter* out) {
  if (text.empty()) return;
  out->U16(static_cast<uint32_t>(text.size()));
  out->Bytes(text.data(), text.size());
}

// ---------------------------------------------------------------------------
// Reading

class ByteReader {
 public:
  explicit ByteReader(const std::vector<uint8_t>& bytes) : bytes_(bytes) {}

  bool Has(size_t count) const { return count <= bytes_.size() - pos_; }
  bool Skip(size_t count) {
    if (!Has(count)) return false;
    pos_ += count;
    return true;
  }
  bool U16(uint32_t* value) {
    if (!Has(2)) return false;
    *value = static_cast<uint32_t>(bytes_[pos_] | bytes_[pos_ + 1] << 8);
    pos_ += 2;
    return true;
  }
  bool U32(uint32_t* value) {
    uint32_t low = 0, high = 0;
    if (!Has(4)) return false;
    U16(&low);
    U16(&high);
    *value = low | high << 16;
    return true;
  }
  bool Copy(void* to, size_t count) {
    if (!Has(count)) return false;
    std::memcpy(to, bytes_.data() + pos_, count);
    pos_ += count;
    return true;
  }
  size_t pos() const { return pos_; }
  const std::vector<uint8_t>& bytes() const { return bytes_; }

 private:
  const std::vector<uint8_t>& bytes_;
  size_t pos_ = 0;
};

/// Appends a UTF-16 code unit sequence's character as UTF-8.
void AppendUtf8(uint32_t code, std::string* text) {
  if (code < 0x80) {
    *text += static_cast<char>(code);
  } else if (code < 0x800) {
    *text += static_cast<char>(0xC0 | code >> 6);
    *text += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    *text += static_cast<char>(0xE0 | code >> 12);
    *text += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    *text += static_cast<char>(0x80 | (code & 0x3F));
  }
}

/// A counted string: 16-bit character count, then bytes or UTF-16 units.
/// Some writers count a terminating zero too; the text ends at the first zero.
bool ReadCountedString(ByteReader& in, bool unicode, std::string* text) {
  uint32_t count = 0;
  if (!in.U16(&count)) return false;
  text->clear();
  bool ended = false;
  for (uint32_t i = 0; i < count; ++i) {
    uint32_t unit = 0;
    if (unicode) {
      if (!in.U16(&unit)) return false;
    } else {
      uint8_t byte = 0;
      if (!in.Copy(&byte, 1)) return false;
      unit = byte;
    }
    ended = ended || unit == 0;
    if (ended) continue;
    if (unicode) {
      AppendUtf8(unit, text);
    } else {
      *text += static_cast<char>(unit);
    }
  }
  return true;
}

/// The zero-terminated text at an offset inside a block of the file.
bool ZeroTerminatedAt(const std::vector<uint8_t>& bytes, size_t blockStart, size_t blockSize,
                      uint32_t offset, std::string* text) {
  if (offset >= blockSize) return false;
  size_t end = blockStart + blockSize;
  text->clear();
  for (size_t at = blockStart + offset; at < end; ++at) {
    if (bytes[at] == 0) return true;
    *text += static_cast<char>(bytes[at]);
  }
  return false;
}

/// The link-info block: its local base path joined with the common path suffix.
bool ReadLinkInfo(ByteReader& in, std::string* basePath) {
  size_t start = in.pos();
  uint32_t size = 0, headerSize = 0, flags = 0, volumeOffset = 0, baseOffset = 0;
  uint32_t networkOffset = 0, suffixOffset = 0;
  if (!in.U32(&size) || size < kLinkInfoHeaderSize || !in.Has(size - 4)) return false;
  in.U32(&headerSize);
  in.U32(&flags);
  in.U32(&volumeOffset);
  in.U32(&baseOffset);
  in.U32(&networkOffset);
  in.U32(&suffixOffset);
  if (headerSize < kLinkInfoHeaderSize || headerSize > size) return false;
  basePath->clear();
  if (flags & kVolumeIdAndLocalBasePath) {
    std::string base, suffix;
    if (!ZeroTerminatedAt(in.bytes(), start, size, baseOffset, &base)) return false;
    if (!ZeroTerminatedAt(in.bytes(), start, size, suffixOffset, &suffix)) return false;
    *basePath = base + suffix;
  }
  return in.Skip(size - (in.pos() - start));
}

bool Fail(std::string* error, const char* why) {
  if (error) *error = why;
  return false;
}

bool ReadHeader(ByteReader& in, ShellLinkHeader* header, std::string* error) {
  if (!in.Has(kShellLinkHeaderSize)) return Fail(error, "shorter than a link header");
  in.U32(&header->headerSize);
  in.Copy(header->classId, sizeof header->classId);
  in.U32(&header->flags);
  in.Skip(4 + 24 + 4 + 4);  // attributes, times, size, icon index
  in.U32(&header->showCommand);
  in.Skip(2 + 10);  // hot key, reserved
  if (header->headerSize != kShellLinkHeaderSize) return Fail(error, "wrong header size");
  if (std::memcmp(header->classId, kShellLinkClassId, sizeof kShellLinkClassId) != 0) {
    return Fail(error, "not the shell link class id");
  }
  return true;
}

bool ReadStrings(ByteReader& in, uint32_t flags, ShellLink* link, std::string* error) {
  bool unicode = (flags & linkFlags::IsUnicode) != 0;
  const std::pair<uint32_t, std::string*> strings[] = {
      {linkFlags::HasName, &link->description},
      {linkFlags::HasRelativePath, &link->relativePath},
      {linkFlags::HasWorkingDir, &link->workingDir},
      {linkFlags::HasArguments, &link->arguments},
      {linkFlags::HasIconLocation, &link->iconLocation},
  };
  for (const auto& [flag, text] : strings) {
    if ((flags & flag) && !ReadCountedString(in, unicode, text)) {
      return Fail(error, "a string runs past the end");
    }
  }
  return true;
}

}  // namespace

std::optional<std::vector<uint8_t>> EncodeShellLink(const ShellLink& link) {
  for (const std::string* text : {&link.description, &link.relativePath, &link.workingDir,
                                  &link.arguments, &link.iconLocation}) {
    if (text->size() > 0xFFFF) return std::nullopt;
  }
  ByteWriter out;
  uint32_t flags = FlagsFor(link);
  WriteHeader(flags, link.showCommand, &out);
  if (flags & linkFlags::HasLinkInfo) WriteLinkInfo(link.localBasePath, &out);
  WriteCountedString(link.description, &out);
  WriteCountedString(link.relativePath, &out);
  WriteCountedString(link.workingDir, &out);
  WriteCountedString(link.arguments, &out);
  WriteCountedString(link.iconLocation, &out);
  out.U32(0);  // terminal block: no extra data
  return std::move(out.bytes());
}

std::optional<ShellLink> DecodeShellLink(const std::vector<uint8_t>& bytes, ShellLinkHeader* header,
                                         std::string* error) {
  ByteReader in(bytes);
  ShellLinkHeader localHeader;
  if (!header) header = &localHeader;
  if (!ReadHeader(in, header, error)) return std::nullopt;
  ShellLink link;
  link.showCommand = header->showCommand;
  if (header->flags & linkFlags::HasLinkTargetIdList) {
    uint32_t listSize = 0;
    if (!in.U16(&listSize) || !in.Skip(listSize)) {
      Fail(error, "the item-id list runs past the end");
      return std::nullopt;
    }
  }
  if ((header->flags & linkFlags::HasLinkInfo) && !ReadLinkInfo(in, &link.localBasePath)) {
    Fail(error, "a broken link-info block");
    return std::nullopt;
  }
  if (!ReadStrings(in, header->flags, &link, error)) return std::nullopt;
  return link;
}

}  // namespace vorna::platform
