#include "platform/portable/portable_files.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <fstream>

#include "platform/code_page.h"
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

// The longest full path at which a Windows program can create a folder.
constexpr size_t kMaxFolderPath = 247;
constexpr int kTemporaryAttempts = 8;
constexpr char kInstallDisk = 'A';

// A link at the last component is never followed: the sandbox has none.
int OpenFlags(Access access, Creation creation) {
  int flags = O_CLOEXEC | O_NOFOLLOW;
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

bool HasWriteAccess(Access access) {
  return (static_cast<unsigned>(access) & static_cast<unsigned>(Access::Write)) != 0;
}

// Eight letters and digits from the system's random source; nothing when it fails.
std::optional<std::string> RandomName() {
  static constexpr char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUV";
  unsigned char bytes[8];
  if (getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes)) return std::nullopt;
  std::string name;
  for (unsigned char byte : bytes) name += kDigits[byte & 31];
  return name;
}

std::string Join(const std::string& folder, const std::string& name) {
  if (!folder.empty() && IsSeparator(folder.back())) return folder + name;
  return folder + "\\" + name;
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
  // The install disk shows the file by its Windows-1252 name.
  std::string name = std::filesystem::path(programPath).filename().string();
  programPath_ = "A:\\" + Utf8ToAnsi(name).value_or("SETUP.EXE");
  // Resolved once here: the user named this file, and later opens follow no link.
  programHostPath_ = std::filesystem::weakly_canonical(programPath, ignored).string();
  if (programHostPath_.empty()) {
    programHostPath_ = std::filesystem::absolute(programPath, ignored).string();
  }
}

std::optional<std::string> PortableFileSystem::Reach(const std::string& path, Purpose purpose,
                                                     size_t limit) const {
  std::optional<WindowsPath> resolved = sandbox_.Resolve(path);
  if (!resolved || resolved->Text().size() > limit) return std::nullopt;
  // The install disk is read-only, as a write-protected medium is on Windows.
  if (purpose == Purpose::Change && resolved->drive == kInstallDisk) return std::nullopt;
  if (!programHostPath_.empty() && SameAnsiName(resolved->Text(), programPath_)) {
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
  bool changes = HasWriteAccess(access) || creation == Creation::CreateAlways ||
                 creation == Creation::CreateNew;
  std::optional<std::string> host = Reach(path, changes ? Purpose::Change : Purpose::Read);
  if (!host) return nullptr;
  // Nothing is created on the install disk: "open always" only opens there.
  std::optional<WindowsPath> resolved = sandbox_.Resolve(path);
  if (creation == Creation::OpenAlways && resolved->drive == kInstallDisk) {
    creation = Creation::OpenExisting;
  }
  return OpenHost(*host, access, share, OpenFlags(access, creation));
}

std::unique_ptr<File> PortableFileSystem::OpenHost(const std::string& host, Access access,
                                                   Share share, int flags) {
  std::lock_guard<std::mutex> lock(table_->mutex());
  struct stat info;
  // An exclusive creation opens nothing that exists, so it has no share
  // modes to honour and nothing to truncate.
  if (!(flags & O_EXCL) && lstat(host.c_str(), &info) == 0) {
    if (S_ISDIR(info.st_mode)) return nullptr;
    // Checked before the open, so that a refused CreateAlways truncates nothing.
    if (!table_->Allows(FileKey{info.st_dev, info.st_ino}, access, share)) return nullptr;
  }
  int fd = open(host.c_str(), flags, 0666);
  if (fd < 0) return nullptr;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
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
  std::optional<std::string> host = Reach(path, Purpose::Change);
  struct stat info;
  if (!host || lstat(host->c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
  if (IsOpen(*host)) return false;
  return unlink(host->c_str()) == 0;
}

bool PortableFileSystem::Move(const std::string& from, const std::string& to) {
  if (faults_.ShouldFail(FaultKind::Move)) return false;
  std::optional<WindowsPath> target = sandbox_.Resolve(to);
  std::optional<std::string> source = Reach(from, Purpose::Change);
  std::optional<std::string> targetHost = Reach(to, Purpose::Change);
  if (!source || !targetHost || target->parts.empty()) return false;
  struct stat sourceInfo, targetInfo;
  if (lstat(source->c_str(), &sourceInfo) != 0 || IsOpen(*source)) return false;
  if (lstat(targetHost->c_str(), &targetInfo) == 0) {
    // Only a change of case of the same name may "overwrite" itself.
    if (targetInfo.st_ino != sourceInfo.st_ino || targetInfo.st_dev != sourceInfo.st_dev) {
      return false;
    }
    *targetHost =
        targetHost->substr(0, targetHost->rfind('/') + 1) + AnsiToUtf8(target->parts.back());
  }
  return rename(source->c_str(), targetHost->c_str()) == 0;
}

bool PortableFileSystem::Replace(const std::string& from, const std::string& to) {
  if (faults_.ShouldFail(FaultKind::Replace)) return false;
  std::optional<std::string> source = Reach(from, Purpose::Change);
  std::optional<std::string> target = Reach(to, Purpose::Change);
  if (!source || !target) return false;
  struct stat sourceInfo, targetInfo;
  if (lstat(source->c_str(), &sourceInfo) != 0 || !S_ISREG(sourceInfo.st_mode)) return false;
  bool targetThere = lstat(target->c_str(), &targetInfo) == 0;
  // A folder is never replaced, nor a file someone holds open.
  if (targetThere && S_ISDIR(targetInfo.st_mode)) return false;
  {
    std::lock_guard<std::mutex> lock(table_->mutex());
    if (table_->IsOpen(FileKey{sourceInfo.st_dev, sourceInfo.st_ino})) return false;
    if (targetThere && table_->IsOpen(FileKey{targetInfo.st_dev, targetInfo.st_ino})) return false;
  }
  return rename(source->c_str(), target->c_str()) == 0;
}

std::unique_ptr<File> PortableFileSystem::CreateTemporary(const std::string& folder,
                                                          const std::string& prefix,
                                                          std::string* path) {
  if (faults_.ShouldFail(FaultKind::CreateTemporary)) return nullptr;
  // The folder is reached once; the new name is made beside it exactly as
  // drawn, since an exclusive creation fails on anything already there.
  std::optional<WindowsPath> resolved = sandbox_.Resolve(folder);
  std::optional<std::string> folderHost = Reach(folder, Purpose::Change);
  if (!resolved || !folderHost) return nullptr;
  for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
    std::optional<std::string> name = RandomName();
    if (!name) return nullptr;
    std::string candidate = Join(resolved->Text(), prefix + *name);
    if (candidate.size() > kMaxPath) return nullptr;
    std::string host = *folderHost + "/" + AnsiToUtf8(prefix + *name);
    errno = 0;
    std::unique_ptr<File> file =
        OpenHost(host, Access::Write, Share::None, OpenFlags(Access::Write, Creation::CreateNew));
    if (file) {
      *path = candidate;
      return file;
    }
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

int PortableFileSystem::DeleteStartingWith(const std::string& folder, const std::string& prefix) {
  std::optional<std::string> host = Reach(folder, Purpose::Change);
  if (!host) return 0;
  int deleted = 0;
  for (const std::string& name : sandbox_.NamesStartingWith(*host, prefix)) {
    deleted += Delete(Join(folder, name)) ? 1 : 0;
  }
  return deleted;
}

bool PortableFileSystem::IsLinkFree(const std::string& folder, const std::string& relative) {
  // The sandbox refuses to map any path that crosses a link.
  std::optional<WindowsPath> resolved = sandbox_.Resolve(Join(folder, relative));
  return resolved && sandbox_.ToHost(*resolved).has_value();
}

bool PortableFileSystem::Exists(const std::string& path) {
  std::optional<std::string> host = Reach(path, Purpose::Read);
  struct stat info;
  return host && lstat(host->c_str(), &info) == 0;
}

bool PortableFileSystem::CreateFolder(const std::string& path) {
  if (faults_.ShouldFail(FaultKind::CreateFolder)) return false;
  std::optional<WindowsPath> resolved = sandbox_.Resolve(path);
  if (!resolved || resolved->parts.empty()) return false;  // a drive root always exists
  std::optional<std::string> host = Reach(path, Purpose::Change, kMaxFolderPath);
  return host && mkdir(host->c_str(), 0777) == 0;
}

bool PortableFileSystem::RemoveFolder(const std::string& path) {
  if (faults_.ShouldFail(FaultKind::RemoveFolder)) return false;
  std::optional<WindowsPath> resolved = sandbox_.Resolve(path);
  if (!resolved || resolved->parts.empty()) return false;
  std::optional<std::string> host = Reach(path, Purpose::Change);
  return host && rmdir(host->c_str()) == 0;
}

bool PortableFileSystem::SetCurrentFolder(const std::string& path) {
  return sandbox_.SetCurrentFolder(path);
}

bool PortableFileSystem::IsFolder(const std::string& path) {
  std::optional<std::string> host = Reach(path, Purpose::Read);
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
  std::optional<std::string> host = Reach(path, Purpose::Read);
  struct stat info;
  if (!host) {
    // The sandbox maps no path through a link: when the folder above maps
    // and the path does not, the path's last name is itself a link.
    std::optional<WindowsPath> resolved = sandbox_.Resolve(path);
    if (!resolved || resolved->parts.empty() || resolved->Text().size() > kMaxPath) return facts;
    WindowsPath parent = *resolved;
    parent.parts.pop_back();
    if (sandbox_.ToHost(parent)) facts.kind = PathKind::Link;
    return facts;
  }
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
