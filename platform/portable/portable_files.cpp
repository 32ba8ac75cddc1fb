#include "platform/portable/portable_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <fstream>

#include "platform/portable/portable_file.h"

namespace vorna::platform {

namespace {

std::string UpperCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

bool LooksLikeWindowsPath(const std::string& path) {
  return path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
}

// True when the last name of path is the null device ("NUL", "nul.txt", "C:\x\Nul").
bool NamesNullDevice(const std::string& path) {
  size_t start = path.find_last_of("\\/:");
  std::string name = path.substr(start == std::string::npos ? 0 : start + 1);
  name = name.substr(0, name.find('.'));
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return UpperCase(name) == "NUL";
}

int OpenFlags(Access access, Creation creation) {
  int flags = O_CLOEXEC;
  switch (access) {
    case Access::None:
    case Access::Read:
      flags |= O_RDONLY;
      break;
    case Access::Write:
      flags |= O_WRONLY;
      break;
    case Access::ReadWrite:
      flags |= O_RDWR;
      break;
  }
  switch (creation) {
    case Creation::OpenExisting:
      break;
    case Creation::OpenAlways:
      flags |= O_CREAT;
      break;
    case Creation::CreateAlways:
      flags |= O_CREAT | O_TRUNC;
      break;
    case Creation::CreateNew:
      flags |= O_CREAT | O_EXCL;
      break;
  }
  return flags;
}

// The first line of a small text file in a drive folder, or nothing.
std::optional<std::string> ReadSetting(const std::string& file) {
  std::ifstream in(file);
  std::string line;
  if (!in || !std::getline(in, line)) return std::nullopt;
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
  return line;
}

}  // namespace

PortableFileSystem::PortableFileSystem(const std::string& root, const std::string& programPath)
    : sandbox_(root), table_(std::make_shared<OpenFileTable>()) {
  std::error_code ignored;
  std::filesystem::create_directories(sandbox_.root() + "/C", ignored);
  if (LooksLikeWindowsPath(programPath)) {
    std::optional<WindowsPath> resolved = sandbox_.Resolve(programPath);
    programPath_ = resolved ? resolved->Text() : programPath;
    return;
  }
  std::optional<std::string> inside = sandbox_.ToWindows(programPath);
  if (inside) {
    programPath_ = *inside;
    return;
  }
  programPath_ = "A:\\" + std::filesystem::path(programPath).filename().string();
  programHostPath_ = std::filesystem::absolute(programPath, ignored).string();
}

std::optional<std::string> PortableFileSystem::HostPath(const std::string& path) const {
  std::optional<WindowsPath> resolved = sandbox_.Resolve(path);
  if (!resolved) return std::nullopt;
  if (!programHostPath_.empty() && UpperCase(resolved->Text()) == UpperCase(programPath_)) {
    return programHostPath_;
  }
  return sandbox_.ToHost(*resolved);
}

bool PortableFileSystem::IsOpen(const std::string& hostPath) {
  struct stat info;
  if (lstat(hostPath.c_str(), &info) != 0) return false;
  std::lock_guard<std::mutex> lock(table_->mutex());
  return table_->IsOpen(FileKey{info.st_dev, info.st_ino});
}

std::unique_ptr<File> PortableFileSystem::Open(const std::string& path, Access access, Share share,
                                               Creation creation) {
  if (faults_.ShouldFail(FaultKind::Open)) return nullptr;
  if (NamesNullDevice(path)) return OpenNullSink();
  std::optional<std::string> host = HostPath(path);
  if (!host) return nullptr;
  std::lock_guard<std::mutex> lock(table_->mutex());
  struct stat info;
  if (stat(host->c_str(), &info) == 0) {
    if (S_ISDIR(info.st_mode)) return nullptr;
    if (creation == Creation::CreateNew) return nullptr;
    // Checked before the open, so that a refused CreateAlways truncates nothing.
    if (!table_->Allows(FileKey{info.st_dev, info.st_ino}, access, share)) return nullptr;
  }
  int fd = open(host->c_str(), OpenFlags(access, creation), 0666);
  if (fd < 0) return nullptr;
  if (fstat(fd, &info) != 0) {
    close(fd);
    return nullptr;
  }
  FileKey key{info.st_dev, info.st_ino};
  uint64_t ticket = table_->Add(key, access, share);
  return std::make_unique<PortableFile>(fd, access, key, ticket, table_, &faults_);
}

std::unique_ptr<File> PortableFileSystem::OpenNullSink() {
  return std::make_unique<NullFile>();
}

bool PortableFileSystem::Delete(const std::string& path) {
  if (faults_.ShouldFail(FaultKind::Delete)) return false;
  std::optional<std::string> host = HostPath(path);
  struct stat info;
  if (!host || lstat(host->c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
  if (IsOpen(*host)) return false;
  return unlink(host->c_str()) == 0;
}

bool PortableFileSystem::Move(const std::string& from, const std::string& to) {
  if (faults_.ShouldFail(FaultKind::Move)) return false;
  std::optional<WindowsPath> target = sandbox_.Resolve(to);
  std::optional<std::string> source = HostPath(from);
  if (!target || !source || target->parts.empty()) return false;
  struct stat sourceInfo, targetInfo;
  if (lstat(source->c_str(), &sourceInfo) != 0 || IsOpen(*source)) return false;
  std::string targetHost = sandbox_.ToHost(*target);
  if (lstat(targetHost.c_str(), &targetInfo) == 0) {
    // Only a change of case of the same name may "overwrite" itself.
    if (targetInfo.st_ino != sourceInfo.st_ino || targetInfo.st_dev != sourceInfo.st_dev) {
      return false;
    }
    targetHost = targetHost.substr(0, targetHost.rfind('/') + 1) + target->parts.back();
  }
  return rename(source->c_str(), targetHost.c_str()) == 0;
}

bool PortableFileSystem::CreateFolder(const std::string& path) {
  if (faults_.ShouldFail(FaultKind::CreateFolder)) return false;
  std::optional<WindowsPath> resolved = sandbox_.Resolve(path);
  if (!resolved || resolved->parts.empty()) return false;  // a drive root always exists
  return mkdir(sandbox_.ToHost(*resolved).c_str(), 0777) == 0;
}

bool PortableFileSystem::RemoveFolder(const std::string& path) {
  if (faults_.ShouldFail(FaultKind::RemoveFolder)) return false;
  std::optional<WindowsPath> resolved = sandbox_.Resolve(path);
  if (!resolved || resolved->parts.empty()) return false;
  return rmdir(sandbox_.ToHost(*resolved).c_str()) == 0;
}

bool PortableFileSystem::SetCurrentFolder(const std::string& path) {
  return sandbox_.SetCurrentFolder(path);
}

bool PortableFileSystem::IsFolder(const std::string& path) {
  std::optional<std::string> host = HostPath(path);
  struct stat info;
  return host && stat(host->c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string PortableFileSystem::ProgramPath() {
  return programPath_;
}

std::optional<std::string> PortableFileSystem::DriveFolder(const std::string& root) const {
  // Only a root names a drive: "C:", "C:\" or "C:/".
  bool rootShape = LooksLikeWindowsPath(root) &&
                   (root.size() == 2 || (root.size() == 3 && IsSeparator(root[2])));
  if (!rootShape) return std::nullopt;
  std::optional<std::string> host = sandbox_.ToHost(root.substr(0, 2) + "\\");
  struct stat info;
  if (!host || stat(host->c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return std::nullopt;
  return host;
}

DriveType PortableFileSystem::GetDriveType(const std::string& root) {
  std::optional<std::string> folder = DriveFolder(root);
  if (!folder) return DriveType::NoRootDir;
  std::optional<std::string> type = ReadSetting(*folder + "/.drive-type");
  if (!type) return DriveType::Fixed;
  std::string name = UpperCase(*type);
  if (name == "REMOVABLE") return DriveType::Removable;
  if (name == "CDROM") return DriveType::CdRom;
  if (name == "REMOTE") return DriveType::Remote;
  if (name == "RAMDISK") return DriveType::RamDisk;
  return DriveType::Fixed;
}

bool PortableFileSystem::VolumeLabel(const std::string& root, std::string* label) {
  std::optional<std::string> folder = DriveFolder(root);
  if (!folder) return false;
  std::optional<std::string> text = ReadSetting(*folder + "/.label");
  *label = text ? *text : std::filesystem::path(*folder).filename().string();
  return true;
}

bool PortableFileSystem::FreeSpace(const std::string& root, uint64_t* bytes) {
  std::optional<std::string> folder = DriveFolder(root);
  if (!folder) return false;
  std::optional<std::string> staged = ReadSetting(*folder + "/.free-space");
  if (staged && !staged->empty() && staged->size() <= 19 &&
      staged->find_first_not_of("0123456789") == std::string::npos) {
    *bytes = std::stoull(*staged);
    return true;
  }
  struct statvfs info;
  if (statvfs(folder->c_str(), &info) != 0) return false;
  *bytes = static_cast<uint64_t>(info.f_bavail) * info.f_frsize;
  return true;
}

PathFacts PortableFileSystem::Inspect(const std::string& path) {
  PathFacts facts;
  std::optional<std::string> host = HostPath(path);
  struct stat info;
  if (!host) return facts;
  if (lstat(host->c_str(), &info) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) facts.kind = PathKind::Missing;
    return facts;
  }
  if (S_ISLNK(info.st_mode)) {
    facts.kind = PathKind::Link;
  } else if (S_ISDIR(info.st_mode)) {
    facts.kind = PathKind::Folder;
  } else if (S_ISREG(info.st_mode)) {
    facts.kind = PathKind::File;
    facts.size = static_cast<uint64_t>(info.st_size);
    facts.lastWrite = FromTimespec(info.st_mtim);
  }
  return facts;
}

}  // namespace vorna::platform
