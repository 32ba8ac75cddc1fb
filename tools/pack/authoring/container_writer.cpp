#include "tools/pack/authoring/container_writer.h"

#include <cstring>
#include <istream>
#include <map>
#include <ostream>
#include <stdexcept>

#include "installdata/container.h"
#include "installdata/scramble.h"
#include "installdata/trailer.h"
#include "tools/pack/authoring/host_names.h"

namespace vorna::authoring {

namespace {

constexpr uint64_t kSignatureAlignment = 8;

// The reader compares names upper-cased by the "C" locale's rules.
std::string UpperCased(const std::string& text) {
  std::string upper = text;
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

void AppendRecord(std::vector<uint8_t>& out, uint32_t size, const std::string& name) {
  uint8_t record[kDirectoryRecordSize] = {};
  WriteLittleEndian32(record, size);
  std::memcpy(record + 4, name.data(), name.size());
  out.insert(out.end(), record, record + sizeof record);
}

}  // namespace

std::string CheckEntries(const std::vector<ContainerEntry>& entries) {
  std::map<std::string, std::string> seen;  // upper-cased name -> name as given
  for (const ContainerEntry& entry : entries) {
    const std::string name = Printable(entry.name);
    if (entry.name.empty()) return "an entry has an empty name";
    if (entry.name.find('\0') != std::string::npos) return "entry name '" + name + "' holds a NUL";
    if (entry.name.size() > kMaxEntryNameLength) {
      return "entry name '" + name + "' is longer than " + std::to_string(kMaxEntryNameLength) +
             " characters";
    }
    // A size equal to the end marker would read as the end of the directory.
    if (entry.data.size() >= kEndRecordMarker) return "entry '" + name + "' is too large";
    auto [it, added] = seen.emplace(UpperCased(entry.name), name);
    if (!added) return "entry names '" + it->second + "' and '" + name + "' differ only in case";
  }
  return {};
}

std::vector<uint8_t> EncodeContainer(const std::vector<ContainerEntry>& entries,
                                     const std::string& key) {
  std::string problem = CheckEntries(entries);
  if (!problem.empty()) throw std::invalid_argument(problem);
  std::vector<uint8_t> bytes;
  for (const ContainerEntry& entry : entries) {
    AppendRecord(bytes, static_cast<uint32_t>(entry.data.size()), entry.name);
    bytes.insert(bytes.end(), entry.data.begin(), entry.data.end());
  }
  AppendRecord(bytes, kEndRecordMarker, "");
  ScrambleBlock(bytes.data(), bytes.size(), 0, key);
  return bytes;
}

void ImageWriter::AppendStream(std::istream& in) {
  char chunk[65536];
  while (in) {
    in.read(chunk, sizeof chunk);
    AppendBytes(chunk, static_cast<size_t>(in.gcount()));
  }
  if (in.bad()) throw std::runtime_error("cannot read the input");
}

void ImageWriter::AppendBytes(const void* bytes, size_t size) {
  out_.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
  if (!out_) throw std::runtime_error("cannot write the output");
  if (checksum_) checksum_->Add(static_cast<const uint8_t*>(bytes), size);
  offset_ += size;
}

void ImageWriter::StampChecksum(uint64_t fieldOffset) {
  checksum_.emplace(fieldOffset);
  checksumField_ = fieldOffset;
}

void ImageWriter::AppendContainer(const std::vector<ContainerEntry>& entries,
                                  const std::string& key) {
  base_ = OffsetForTrailer("the container");
  hasContainer_ = true;
  std::vector<uint8_t> bytes = EncodeContainer(entries, key);
  AppendBytes(bytes.data(), bytes.size());
}

void ImageWriter::MarkFileSet() {
  fileSetOffset_ = OffsetForTrailer("the file set");
}

void ImageWriter::Finish() {
  if (!hasContainer_) throw std::logic_error("an install image needs a container");
  // A program image ends at a multiple of 8 bytes: a signature then follows
  // it directly, and every way of computing the checksum agrees on it.
  if (checksum_) {
    const uint8_t zeros[kSignatureAlignment] = {};
    AppendBytes(zeros, (kSignatureAlignment - (offset_ + kTrailerSize) % kSignatureAlignment) %
                           kSignatureAlignment);
  }
  OffsetForTrailer("the trailer");
  auto trailer = EncodeTrailer(Trailer{base_, fileSetOffset_});
  AppendBytes(trailer.data(), trailer.size());
  if (checksum_) {
    uint8_t field[4];
    WriteLittleEndian32(field, checksum_->Value());
    out_.seekp(static_cast<std::streamoff>(checksumField_));
    out_.write(reinterpret_cast<const char*>(field), sizeof field);
    out_.seekp(0, std::ios::end);
  }
  out_.flush();
  if (!out_) throw std::runtime_error("cannot write the output");
}

uint32_t ImageWriter::OffsetForTrailer(const char* what) const {
  if (offset_ > UINT32_MAX) {
    throw std::runtime_error(std::string(what) + " would start beyond 4 GiB");
  }
  return static_cast<uint32_t>(offset_);
}

}  // namespace vorna::authoring
