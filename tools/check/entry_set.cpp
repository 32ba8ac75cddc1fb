#include "tools/check/entry_set.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "installdata/scramble.h"
#include "tools/pack/authoring/container_directory.h"

namespace vorna::check {

namespace fs = std::filesystem;

namespace {

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) ==
                  std::toupper(static_cast<unsigned char>(y));
         });
}

std::vector<uint8_t> ReadFileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read '" + path.string() + "'");
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// An entry opened for reading: its bytes and a position.
class EntryFile : public platform::File {
 public:
  explicit EntryFile(const std::vector<uint8_t>& bytes) : bytes_(bytes) {}

  bool Read(void* buffer, size_t size, size_t* got) override {
    size_t count = std::min(size, bytes_.size() - position_);
    if (count > 0) std::memcpy(buffer, bytes_.data() + position_, count);
    position_ += count;
    *got = count;
    return true;
  }
  bool Write(const void*, size_t) override { return false; }
  bool Seek(int64_t offset, platform::SeekOrigin origin, uint64_t* position) override;
  bool Size(uint64_t* size) override {
    *size = bytes_.size();
    return true;
  }
  bool Flush() override { return true; }
  bool GetTimes(platform::FileTimes*) override { return false; }
  bool SetTimes(const platform::FileTimes&) override { return false; }

 private:
  const std::vector<uint8_t>& bytes_;
  size_t position_ = 0;
};

bool EntryFile::Seek(int64_t offset, platform::SeekOrigin origin, uint64_t* position) {
  int64_t base = origin == platform::SeekOrigin::Begin     ? 0
                 : origin == platform::SeekOrigin::Current ? static_cast<int64_t>(position_)
                                                           : static_cast<int64_t>(bytes_.size());
  int64_t target = base + offset;
  if (target < 0) return false;
  position_ = std::min(static_cast<size_t>(target), bytes_.size());
  if (position) *position = position_;
  return true;
}

}  // namespace

void EntrySet::Add(std::string name, std::vector<uint8_t> bytes) {
  if (Find(name) != nullptr) return;
  entries_.push_back({std::move(name), std::move(bytes)});
}

const Entry* EntrySet::Find(const std::string& name) const {
  for (const Entry& entry : entries_) {
    if (SameNameIgnoringCase(entry.name, name)) return &entry;
  }
  return nullptr;
}

EntrySet ReadFolderEntries(const std::string& folder) {
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    throw std::runtime_error("the scripts folder '" + folder + "' is not a folder");
  }
  std::vector<fs::path> files;
  for (const fs::directory_entry& item : fs::directory_iterator(folder)) {
    if (item.is_regular_file()) files.push_back(item.path());
  }
  std::sort(files.begin(), files.end());
  EntrySet entries;
  for (const fs::path& file : files) entries.Add(file.filename().string(), ReadFileBytes(file));
  return entries;
}

EntrySet ReadImageEntries(const std::string& image) {
  std::ifstream in(image, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read '" + image + "'");
  const authoring::ImageDirectory directory = authoring::ReadImageDirectory(in, kInstallerKey);
  EntrySet entries;
  for (const authoring::DirectoryEntry& item : directory.entries) {
    std::vector<uint8_t> bytes(item.size);
    in.seekg(static_cast<std::streamoff>(item.dataOffset));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
      throw std::runtime_error(image + ": entry '" + item.name + "' cannot be read");
    UnscrambleBlock(bytes.data(), bytes.size(), item.dataOffset - directory.base, kInstallerKey);
    entries.Add(item.name, std::move(bytes));
  }
  return entries;
}

// Lines end at LF, as the loader reads a plain file; a CR before it goes.
std::vector<std::string> EntryLines(const Entry& entry) {
  std::vector<std::string> lines(1);
  for (uint8_t byte : entry.bytes) {
    if (byte == '\n') {
      if (!lines.back().empty() && lines.back().back() == '\r') lines.back().pop_back();
      lines.emplace_back();
    } else {
      lines.back().push_back(static_cast<char>(byte));
    }
  }
  return lines;
}

std::unique_ptr<platform::File> EntryFileSystem::Open(const std::string& path,
                                                      platform::Access access, platform::Share,
                                                      platform::Creation creation) {
  if (access != platform::Access::Read || creation != platform::Creation::OpenExisting) {
    return nullptr;
  }
  const Entry* entry = entries_.Find(path);
  return entry ? std::make_unique<EntryFile>(entry->bytes) : nullptr;
}

}  // namespace vorna::check
