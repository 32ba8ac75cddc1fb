// The working folder's files as a run without --image sees them in C:\.
//
// The regular files directly inside the folder vorna-run was started in
// stand in the sandbox's C:\, but each is copied there only when the script
// first reaches it by name (opens, deletes, moves or makes a folder of it):
// a folder of large files costs nothing for a script that never opens them,
// and nothing the script does reaches the working folder itself.
#pragma once

#include <map>
#include <mutex>
#include <string>

#include "platform/files.h"
#include "platform/portable/portable_files.h"

namespace vorna {

class WorkingFolderFiles : public platform::FileSystem {
 public:
  /// Serves files, bringing in the regular files of folder (the host's
  /// working folder) when first named; driveC is the host folder of C:\.
  WorkingFolderFiles(platform::PortableFileSystem& files, const std::string& folder,
                     const std::string& driveC);

  std::unique_ptr<platform::File> Open(const std::string& path, platform::Access access,
                                       platform::Share share, platform::Creation creation) override;
  std::unique_ptr<platform::File> OpenNullSink() override { return files_.OpenNullSink(); }
  bool Delete(const std::string& path) override;
  bool Move(const std::string& from, const std::string& to) override;
  bool Replace(const std::string& from, const std::string& to) override;
  std::unique_ptr<platform::File> CreateTemporary(const std::string& folder,
                                                  const std::string& prefix,
                                                  std::string* path) override {
    return files_.CreateTemporary(folder, prefix, path);
  }
  int DeleteStartingWith(const std::string& folder, const std::string& prefix) override {
    return files_.DeleteStartingWith(folder, prefix);
  }
  bool IsLinkFree(const std::string& folder, const std::string& relative) override {
    return files_.IsLinkFree(folder, relative);
  }
  bool Exists(const std::string& path) override;
  bool CreateFolder(const std::string& path) override;
  bool RemoveFolder(const std::string& path) override { return files_.RemoveFolder(path); }
  bool SetCurrentFolder(const std::string& path) override { return files_.SetCurrentFolder(path); }
  bool IsFolder(const std::string& path) override { return files_.IsFolder(path); }
  std::string ProgramPath() override { return files_.ProgramPath(); }
  platform::DriveType GetDriveType(const std::string& root) override {
    return files_.GetDriveType(root);
  }
  bool VolumeLabel(const std::string& root, std::string* label) override {
    return files_.VolumeLabel(root, label);
  }
  bool FreeSpace(const std::string& root, uint64_t* bytes) override {
    return files_.FreeSpace(root, bytes);
  }

  /// How many files have been brought in so far.
  size_t broughtIn() const { return broughtIn_; }

 private:
  /// Copies the working folder's file that path names (in C:\, any case)
  /// into the sandbox, once; a failed copy is reported on standard error.
  void BringIn(const std::string& path);

  platform::PortableFileSystem& files_;
  std::string driveC_;
  std::map<std::string, std::string> waiting_;  // upper-case Windows name -> host path
  std::mutex mutex_;
  size_t broughtIn_ = 0;
};

}  // namespace vorna
