// Writing the file set of an install image: the set total, one record per
// file (name, size, the three file times, the compressed data) and the end
// marker.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "installdata/fileset_codec.h"
#include "platform/files.h"
#include "tools/pack/authoring/huffman_encoder.h"

namespace vorna::authoring {

/// The bytes that end a file set: a name whose second byte is 255.
constexpr uint8_t kEndMarker[] = {0xFF, 0xFF};

class FileSetWriter {
 public:
  /// Appends to out, starting with the set total; the records' data is
  /// packed with codec (Huffman or Deflate).
  FileSetWriter(std::vector<uint8_t>& out, uint32_t setTotal,
                FileSetCodec codec = FileSetCodec::Huffman);

  /// Appends one record; sizeField is normally size (tests may pass another).
  void AddRecord(const std::string& name, const uint8_t* data, size_t size,
                 const platform::FileTimes& times, uint32_t sizeField);
  /// Appends one record whose size field is the data's size.
  void AddRecord(const std::string& name, const std::vector<uint8_t>& data,
                 const platform::FileTimes& times) {
    AddRecord(name, data.data(), data.size(), times, static_cast<uint32_t>(data.size()));
  }
  /// Appends the end marker.
  void Finish();
  /// Where each record added so far starts, from the set's start (the index
  /// of fileset_index.h); empty when a record starts beyond 4 GiB.
  std::vector<uint32_t> RecordOffsets() const;

 private:
  void Put32(uint32_t value);
  void Put64(uint64_t value);

  std::vector<uint8_t>& out_;
  size_t start_;  // where the set starts in out_
  std::vector<uint64_t> offsets_;
  FileSetCodec codec_;
  HuffmanEncoder encoder_;
};

/// A file found below the payload folder.
struct PayloadFile {
  std::string name;      // relative, backslashes between folders
  std::string hostPath;  // where to read it
  uint64_t size = 0;
  platform::FileTimes times;
};

/// Lists every file below folder, sorted by name (byte order), with its size
/// and times. Throws std::runtime_error for a folder that cannot be listed, a
/// file over 4 GiB or a name the runtime would refuse to write.
std::vector<PayloadFile> ListPayload(const std::string& folder);

/// Called after each file with the files and bytes done so far.
using PackProgress = std::function<void(size_t files, uint64_t bytes)>;

/// Appends the whole file set of files to out (reading each file), packed
/// with codec, and gives where its records start in *recordOffsets when asked;
/// throws std::runtime_error when a file cannot be read or the total passes 4 GiB.
void WriteFileSet(const std::vector<PayloadFile>& files, std::vector<uint8_t>& out,
                  const PackProgress& progress = {}, FileSetCodec codec = FileSetCodec::Huffman,
                  std::vector<uint32_t>* recordOffsets = nullptr);

}  // namespace vorna::authoring
