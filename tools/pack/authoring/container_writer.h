// Writing install images: the program stub, the scrambled container of text
// entries, an optional file set, and the trailer that locates both.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "tools/pack/authoring/pe_file.h"

namespace vorna::authoring {

/// One entry of the container: its directory name and its bytes.
struct ContainerEntry {
  std::string name;
  std::vector<uint8_t> data;
};

/// Empty when the entries fit the directory; otherwise a one-line reason
/// (empty name, name over 31 characters, names equal but for case, entry too large).
std::string CheckEntries(const std::vector<ContainerEntry>& entries);

/// The container's bytes: each entry's record and data, then the end record,
/// all scrambled with key (empty key: stored as they are). Throws
/// std::invalid_argument with CheckEntries' reason.
std::vector<uint8_t> EncodeContainer(const std::vector<ContainerEntry>& entries,
                                     const std::string& key);

/// Appends the parts of an install image to a stream, in order: stub,
/// container, file set (optional), trailer. Offsets must stay below 4 GiB.
class ImageWriter {
 public:
  explicit ImageWriter(std::ostream& out) : out_(out) {}

  /// Copies the whole stream (the program stub).
  void AppendStream(std::istream& in);
  /// Appends raw bytes.
  void AppendBytes(const void* bytes, size_t size);
  /// Appends the container; its first record becomes the trailer's base.
  void AppendContainer(const std::vector<ContainerEntry>& entries, const std::string& key);
  /// Notes that the file set starts at the current offset (bytes follow with AppendBytes).
  void MarkFileSet();
  /// Appends the trailer; the image is complete. With a checksum field
  /// asked for (a program image), zeros first make the image end at a
  /// multiple of 8 bytes, and its PE checksum is then written into the field.
  void Finish();
  /// Asks for the PE checksum of the whole image to be written into the 4
  /// bytes at fieldOffset (the stub's checksum field) when it is complete;
  /// called before anything is appended.
  void StampChecksum(uint64_t fieldOffset);
  /// Bytes written so far.
  uint64_t offset() const { return offset_; }

 private:
  uint32_t OffsetForTrailer(const char* what) const;

  std::ostream& out_;
  std::optional<PeChecksum> checksum_;
  uint64_t checksumField_ = 0;
  uint64_t offset_ = 0;
  uint32_t base_ = 0;
  uint32_t fileSetOffset_ = 0;
  bool hasContainer_ = false;
};

}  // namespace vorna::authoring
