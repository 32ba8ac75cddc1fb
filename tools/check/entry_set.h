// The entries a check reads: the files of a scripts folder, or the text
// entries of a packed image's container, held in memory and served to the
// runtime's own loader through a read-only file system.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/files.h"

namespace vorna::check {

/// One entry: its name as stored and its bytes.
struct Entry {
  std::string name;
  std::vector<uint8_t> bytes;
};

class EntrySet {
 public:
  /// Adds an entry (a second entry of the same name, in any case, is ignored
  /// as the runtime would never reach it).
  void Add(std::string name, std::vector<uint8_t> bytes);
  /// The entry whose name equals name in any case; nullptr when none does.
  const Entry* Find(const std::string& name) const;
  /// Every entry, in the order added.
  const std::vector<Entry>& entries() const { return entries_; }

 private:
  std::vector<Entry> entries_;
};

/// The regular files directly inside folder; throws std::runtime_error when
/// the folder cannot be read.
EntrySet ReadFolderEntries(const std::string& folder);

/// The entries of the container of the image file; throws std::runtime_error
/// for a file that is no install image.
EntrySet ReadImageEntries(const std::string& image);

/// The physical lines of an entry's text, without their line ends.
std::vector<std::string> EntryLines(const Entry& entry);

/// A file system that knows nothing but the entries: each opens for reading
/// as a plain file of its name (any case); there is no container and nothing
/// can be written.
class EntryFileSystem : public platform::FileSystem {
 public:
  explicit EntryFileSystem(const EntrySet& entries) : entries_(entries) {}

  std::unique_ptr<platform::File> Open(const std::string& path, platform::Access access,
                                       platform::Share share, platform::Creation creation) override;
  std::unique_ptr<platform::File> OpenNullSink() override { return nullptr; }
  bool Delete(const std::string&) override { return false; }
  bool Move(const std::string&, const std::string&) override { return false; }
  bool Replace(const std::string&, const std::string&) override { return false; }
  std::unique_ptr<platform::File> CreateTemporary(const std::string&, const std::string&,
                                                  std::string*) override {
    return nullptr;
  }
  int DeleteStartingWith(const std::string&, const std::string&) override { return 0; }
  bool IsLinkFree(const std::string&, const std::string&) override { return true; }
  bool Exists(const std::string& path) override {
    return Open(path, platform::Access::Read, platform::Share::ReadWrite,
                platform::Creation::OpenExisting) != nullptr;
  }
  bool CreateFolder(const std::string&) override { return false; }
  bool RemoveFolder(const std::string&) override { return false; }
  bool SetCurrentFolder(const std::string&) override { return false; }
  bool IsFolder(const std::string&) override { return false; }
  std::string ProgramPath() override { return std::string(); }
  platform::DriveType GetDriveType(const std::string&) override {
    return platform::DriveType::NoRootDir;
  }
  bool VolumeLabel(const std::string&, std::string*) override { return false; }
  bool FreeSpace(const std::string&, uint64_t*) override { return false; }

 private:
  const EntrySet& entries_;
};

}  // namespace vorna::check
