#include "scoped_file_system.h"

#include <fstream>

#include "platform/installed_platform.h"

namespace vorna::testing {

namespace fs = std::filesystem;

namespace {

// Read-only files over std::ifstream: enough for the readers under test.
class HostFile : public platform::File {
 public:
  explicit HostFile(const fs::path& path) : in_(path, std::ios::binary) {}
  bool ok() const { return in_.is_open(); }

  bool Read(void* buffer, size_t size, size_t* got) override {
    in_.read(static_cast<char*>(buffer), static_cast<std::streamsize>(size));
    *got = static_cast<size_t>(in_.gcount());
    in_.clear();
    return true;
  }
  bool Write(const void*, size_t) override { return false; }
  bool Seek(int64_t offset, platform::SeekOrigin origin, uint64_t* position) override {
    auto dir = origin == platform::SeekOrigin::Begin     ? std::ios::beg
               : origin == platform::SeekOrigin::Current ? std::ios::cur
                                                         : std::ios::end;
    in_.seekg(offset, dir);
    if (!in_) {
      in_.clear();
      return false;
    }
    if (position) *position = static_cast<uint64_t>(in_.tellg());
    return true;
  }
  bool Size(uint64_t* size) override {
    auto here = in_.tellg();
    in_.seekg(0, std::ios::end);
    *size = static_cast<uint64_t>(in_.tellg());
    in_.seekg(here);
    return true;
  }
  bool Flush() override { return true; }
  bool GetTimes(platform::FileTimes*) override { return false; }
  bool SetTimes(const platform::FileTimes&) override { return false; }

 private:
  std::ifstream in_;
};

class HostFileSystem : public platform::FileSystem {
 public:
  HostFileSystem(fs::path folder, std::string programPath)
      : folder_(std::move(folder)), programPath_(std::move(programPath)) {}

  std::unique_ptr<platform::File> Open(const std::string& path, platform::Access access,
                                       platform::Share, platform::Creation creation) override {
    if (access != platform::Access::Read || creation != platform::Creation::OpenExisting) {
      return nullptr;
    }
    fs::path full = fs::path(path).is_absolute() ? fs::path(path) : folder_ / path;
    if (!fs::is_regular_file(full)) return nullptr;
    auto file = std::make_unique<HostFile>(full);
    if (!file->ok()) return nullptr;
    return file;
  }
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
  bool Exists(const std::string& path) override { return fs::exists(folder_ / path); }
  bool CreateFolder(const std::string&) override { return false; }
  bool RemoveFolder(const std::string&) override { return false; }
  bool SetCurrentFolder(const std::string&) override { return false; }
  bool IsFolder(const std::string& path) override { return fs::is_directory(folder_ / path); }
  std::string ProgramPath() override { return programPath_; }
  platform::DriveType GetDriveType(const std::string&) override {
    return platform::DriveType::Unknown;
  }
  bool VolumeLabel(const std::string&, std::string*) override { return false; }
  bool FreeSpace(const std::string&, uint64_t*) override { return false; }

 private:
  fs::path folder_;
  std::string programPath_;
};

}  // namespace

ScopedFileSystem::ScopedFileSystem(const fs::path& folder, const std::string& programPath)
    : files_(std::make_unique<HostFileSystem>(folder, programPath)),
      previous_(platform::Current()) {
  platform::Platform platform = previous_;
  platform.files = files_.get();
  platform::SetPlatform(platform);
}

ScopedFileSystem::~ScopedFileSystem() {
  platform::SetPlatform(previous_);
}

}  // namespace vorna::testing
