// An output file that appears only when complete: written under a temporary
// name in the destination's folder and renamed over the destination at the end.
#pragma once

#include <filesystem>
#include <fstream>

namespace vorna::pack {

class OutputFile {
 public:
  /// Creates the temporary file next to path; throws PackError when it cannot.
  explicit OutputFile(const std::filesystem::path& path);
  /// Removes the temporary file unless Commit succeeded.
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  /// The stream to write to.
  std::ofstream& stream() { return out_; }
  /// Closes the stream and renames the file to its destination; throws PackError.
  void Commit();

 private:
  std::filesystem::path path_;
  std::filesystem::path temporary_;
  std::ofstream out_;
  bool committed_ = false;
};

}  // namespace vorna::pack
