#include "tools/pack/authoring/fileset_writer.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "installdata/file_record.h"
#include "installdata/record_names.h"
#include "tools/pack/authoring/deflate_encoder.h"
#include "tools/pack/authoring/host_file_times.h"
#include "tools/pack/authoring/host_names.h"

namespace vorna::authoring {

namespace fs = std::filesystem;

FileSetWriter::FileSetWriter(std::vector<uint8_t>& out, uint32_t setTotal, FileSetCodec codec)
    : out_(out), start_(out.size()), codec_(codec) {
  Put32(setTotal);
}

std::vector<uint32_t> FileSetWriter::RecordOffsets() const {
  std::vector<uint32_t> offsets;
  for (uint64_t offset : offsets_) {
    if (offset > 0xFFFFFFFFu) return {};
    offsets.push_back(static_cast<uint32_t>(offset));
  }
  return offsets;
}

void FileSetWriter::Put32(uint32_t value) {
  for (int i = 0; i < 4; ++i) out_.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void FileSetWriter::Put64(uint64_t value) {
  for (int i = 0; i < 8; ++i) out_.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void FileSetWriter::AddRecord(const std::string& name, const uint8_t* data, size_t size,
                              const platform::FileTimes& times, uint32_t sizeField) {
  offsets_.push_back(out_.size() - start_);
  out_.insert(out_.end(), name.begin(), name.end());
  out_.push_back(0);
  Put32(sizeField);
  Put64(times.creation.ticks);
  Put64(times.lastAccess.ticks);
  Put64(times.lastWrite.ticks);
  if (codec_ == FileSetCodec::Deflate) {
    AppendDeflated(data, size, out_);
    return;
  }
  BitWriter bits(out_);
  encoder_.Encode(data, size, bits);
}

void FileSetWriter::Finish() {
  out_.insert(out_.end(), std::begin(kEndMarker), std::end(kEndMarker));
}

namespace {

// Why the runtime could not take name as a record name, or "" when it can.
std::string NameProblem(const std::string& name) {
  NameVerdict verdict = CheckRecordName(name);
  if (verdict != NameVerdict::Accepted) return DescribeVerdict(verdict);
  if (name.size() > kMaxRecordName) return "a name too long";
  // A 255 after the first byte would read as the set's end marker.
  if (name.find('\xFF', 1) != std::string::npos) return "the byte 255";
  return "";
}

std::string RecordName(const fs::path& relative) {
  std::string name = SetNameOf(relative.generic_string());
  std::replace(name.begin(), name.end(), '/', '\\');
  return name;
}

std::vector<uint8_t> ReadWhole(const PayloadFile& file) {
  std::ifstream in(file.hostPath, std::ios::binary);
  std::vector<uint8_t> data(static_cast<size_t>(file.size));
  if (!in ||
      !in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(data.size())) ||
      in.peek() != std::char_traits<char>::eof()) {
    throw std::runtime_error("cannot read " + file.hostPath + " (or it changed while packing)");
  }
  return data;
}

}  // namespace

std::vector<PayloadFile> ListPayload(const std::string& folder) {
  std::vector<PayloadFile> files;
  std::error_code error;
  fs::recursive_directory_iterator walk(folder, error), end;
  if (error) throw std::runtime_error("cannot list " + folder + ": " + error.message());
  for (; walk != end; walk.increment(error)) {
    if (error) throw std::runtime_error("cannot list " + folder + ": " + error.message());
    if (!walk->is_regular_file()) continue;
    PayloadFile file;
    file.hostPath = walk->path().string();
    file.name = RecordName(fs::relative(walk->path(), folder));
    file.size = walk->file_size();
    std::string problem = NameProblem(file.name);
    if (!problem.empty()) {
      throw std::runtime_error(Printable(file.name) + ": the runtime refuses " + problem);
    }
    if (file.size > 0xFFFFFFFFu) {
      throw std::runtime_error(Printable(file.name) + ": larger than 4 GiB");
    }
    if (!ReadHostFileTimes(file.hostPath, &file.times)) {
      throw std::runtime_error("cannot read the times of " + file.hostPath);
    }
    files.push_back(file);
  }
  std::sort(files.begin(), files.end(),
            [](const PayloadFile& a, const PayloadFile& b) { return a.name < b.name; });
  return files;
}

void WriteFileSet(const std::vector<PayloadFile>& files, std::vector<uint8_t>& out,
                  const PackProgress& progress, FileSetCodec codec,
                  std::vector<uint32_t>* recordOffsets) {
  uint64_t total = 0;
  for (const PayloadFile& file : files) total += file.size;
  if (total > 0xFFFFFFFFu) throw std::runtime_error("the files add up to more than 4 GiB");
  FileSetWriter writer(out, static_cast<uint32_t>(total), codec);
  uint64_t done = 0;
  for (size_t i = 0; i < files.size(); ++i) {
    std::vector<uint8_t> data = ReadWhole(files[i]);
    writer.AddRecord(files[i].name, data, files[i].times);
    done += data.size();
    if (progress) progress(i + 1, done);
  }
  writer.Finish();
  if (recordOffsets) *recordOffsets = writer.RecordOffsets();
}

}  // namespace vorna::authoring
