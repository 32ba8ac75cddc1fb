// A Windows program file held in memory, as the packer rewrites its stub:
// the PE headers and section table read and kept consistent while a section
// is added at the end of the image, the stub's own signature removed, and
// the checksum field found.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vorna::authoring {

/// One entry of the section table.
struct PeSection {
  std::string name;
  uint32_t virtualSize = 0;
  uint32_t virtualAddress = 0;
  uint32_t rawSize = 0;
  uint32_t rawOffset = 0;
};

/// The data directories the packer reads or changes.
enum class PeDirectory : uint32_t { Resource = 2, Security = 4 };

class PeFile {
 public:
  /// The program in bytes; nullopt when its headers are incomplete or make
  /// no sense (a stand-in for a program, a file cut short).
  static std::optional<PeFile> Parse(std::vector<uint8_t> bytes);

  const std::vector<uint8_t>& bytes() const { return bytes_; }
  const std::vector<PeSection>& sections() const { return sections_; }
  /// A data directory's address (an RVA; a file offset for Security) and size.
  uint32_t DirectoryAddress(PeDirectory directory) const;
  uint32_t DirectorySize(PeDirectory directory) const;
  /// The bytes at an RVA range inside one section's file data; nullopt when
  /// the range is not there.
  std::optional<std::vector<uint8_t>> ReadRva(uint32_t rva, uint32_t size) const;
  /// The file offset of the checksum field of the optional header.
  uint32_t checksumOffset() const { return optionalAt_ + 64; }

  /// The RVA the next added section will start at.
  uint32_t NextSectionRva() const;
  /// Adds data as a new last section (readable initialized data) that the
  /// directory points to; the COFF symbols behind the sections move behind
  /// it. Throws std::runtime_error when the section table has no room left.
  void AddSection(const std::string& name, const std::vector<uint8_t>& data, PeDirectory directory);
  /// Renames the section called from; nothing when there is none.
  void RenameSection(const std::string& from, const std::string& to);
  /// Drops a signature at the end of the file (its certificate table);
  /// answers whether there was one.
  bool RemoveSignature();

 private:
  explicit PeFile(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
  bool ReadHeaders();
  uint32_t Get32(size_t at) const;
  void Put32(size_t at, uint32_t value);
  size_t DirectoryAt(PeDirectory directory) const;

  std::vector<uint8_t> bytes_;
  std::vector<PeSection> sections_;
  size_t coffAt_ = 0;
  size_t optionalAt_ = 0;
  size_t directoriesAt_ = 0;
  uint32_t directoryCount_ = 0;
  size_t sectionTableAt_ = 0;
};

/// The PE checksum of a whole file, computed as it is written: every 16-bit
/// word is added with its carry folded back, the checksum field itself left
/// out, and the file's length added at the end.
class PeChecksum {
 public:
  /// A sum that leaves out the 4 bytes at fieldOffset.
  explicit PeChecksum(uint64_t fieldOffset) : field_(fieldOffset) {}
  /// Adds the next size bytes of the file.
  void Add(const uint8_t* bytes, size_t size);
  /// The checksum of the bytes added so far, taken as the whole file.
  uint32_t Value() const;

 private:
  uint64_t field_;
  uint64_t offset_ = 0;
  uint64_t sum_ = 0;
};

}  // namespace vorna::authoring
