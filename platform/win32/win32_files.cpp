#include "platform/win32/win32_files.h"

#include <windows.h>

// The interface method names would otherwise be renamed by the ANSI macros.
#undef GetDriveType

namespace vorna::platform {

namespace {

FILETIME ToFiletime(FileTime time) {
  FILETIME result;
  result.dwLowDateTime = static_cast<DWORD>(time.ticks);
  result.dwHighDateTime = static_cast<DWORD>(time.ticks >> 32);
  return result;
}

FileTime FromFiletime(const FILETIME& time) {
  return FileTime{(static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime};
}

DWORD DesiredAccess(Access access) {
  DWORD flags = 0;
  if (static_cast<unsigned>(access) & static_cast<unsigned>(Access::Read)) flags |= GENERIC_READ;
  if (static_cast<unsigned>(access) & static_cast<unsigned>(Access::Write)) flags |= GENERIC_WRITE;
  return flags;
}

DWORD ShareMode(Share share) {
  DWORD flags = 0;
  if (static_cast<unsigned>(share) & static_cast<unsigned>(Share::Read)) flags |= FILE_SHARE_READ;
  if (static_cast<unsigned>(share) & static_cast<unsigned>(Share::Write)) flags |= FILE_SHARE_WRITE;
  return flags;
}

DWORD Disposition(Creation creation) {
  switch (creation) {
    case Creation::OpenExisting:
      return OPEN_EXISTING;
    case Creation::OpenAlways:
      return OPEN_ALWAYS;
    case Creation::CreateAlways:
      return CREATE_ALWAYS;
    case Creation::CreateNew:
      return CREATE_NEW;
  }
  return OPEN_EXISTING;
}

class Win32File : public File {
 public:
  explicit Win32File(HANDLE handle) : handle_(handle) {}
  ~Win32File() override { CloseHandle(handle_); }
  Win32File(const Win32File&) = delete;
  Win32File& operator=(const Win32File&) = delete;

  bool Read(void* buffer, size_t size, size_t* got) override {
    DWORD read = 0;
    BOOL ok = ReadFile(handle_, buffer, static_cast<DWORD>(size), &read, nullptr);
    *got = read;
    return ok != FALSE;
  }

  bool Write(const void* buffer, size_t size) override {
    DWORD written = 0;
    BOOL ok = WriteFile(handle_, buffer, static_cast<DWORD>(size), &written, nullptr);
    return ok != FALSE && written == size;
  }

  bool Seek(int64_t offset, SeekOrigin origin, uint64_t* position) override {
    LONG high = static_cast<LONG>(offset >> 32);
    DWORD method = origin == SeekOrigin::Begin ? FILE_BEGIN
                   : origin == SeekOrigin::End ? FILE_END
                                               : FILE_CURRENT;
    SetLastError(NO_ERROR);
    DWORD low = SetFilePointer(handle_, static_cast<LONG>(offset & 0xFFFFFFFF), &high, method);
    if (low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) return false;
    if (position) *position = (static_cast<uint64_t>(static_cast<DWORD>(high)) << 32) | low;
    return true;
  }

  bool Size(uint64_t* size) override {
    DWORD high = 0;
    SetLastError(NO_ERROR);
    DWORD low = GetFileSize(handle_, &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return false;
    *size = (static_cast<uint64_t>(high) << 32) | low;
    return true;
  }

  bool Flush() override { return FlushFileBuffers(handle_) != FALSE; }

  bool GetTimes(FileTimes* times) override {
    FILETIME creation, access, write;
    if (!GetFileTime(handle_, &creation, &access, &write)) return false;
    times->creation = FromFiletime(creation);
    times->lastAccess = FromFiletime(access);
    times->lastWrite = FromFiletime(write);
    return true;
  }

  bool SetTimes(const FileTimes& times) override {
    FILETIME creation = ToFiletime(times.creation);
    FILETIME access = ToFiletime(times.lastAccess);
    FILETIME write = ToFiletime(times.lastWrite);
    return SetFileTime(handle_, times.creation.ticks ? &creation : nullptr,
                       times.lastAccess.ticks ? &access : nullptr,
                       times.lastWrite.ticks ? &write : nullptr) != FALSE;
  }

 private:
  HANDLE handle_;
};

UINT RootOf(const std::string& root) {
  return ::GetDriveTypeA(root.c_str());
}

}  // namespace

std::unique_ptr<File> Win32FileSystem::Open(const std::string& path, Access access, Share share,
                                            Creation creation) {
  HANDLE handle = CreateFileA(path.c_str(), DesiredAccess(access), ShareMode(share), nullptr,
                              Disposition(creation), FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32File>(handle);
}

std::unique_ptr<File> Win32FileSystem::OpenNullSink() {
  return Open("NUL", Access::Write, Share::ReadWrite, Creation::OpenExisting);
}

bool Win32FileSystem::Delete(const std::string& path) {
  return DeleteFileA(path.c_str());
}

bool Win32FileSystem::Move(const std::string& from, const std::string& to) {
  return MoveFileA(from.c_str(), to.c_str()) != FALSE;
}

bool Win32FileSystem::CreateFolder(const std::string& path) {
  return CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

bool Win32FileSystem::RemoveFolder(const std::string& path) {
  return RemoveDirectoryA(path.c_str()) != FALSE;
}

bool Win32FileSystem::SetCurrentFolder(const std::string& path) {
  return SetCurrentDirectoryA(path.c_str()) != FALSE;
}

bool Win32FileSystem::IsFolder(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Win32FileSystem::ProgramPath() {
  char buffer[MAX_PATH + 1] = {};
  DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  return std::string(buffer, length);
}

DriveType Win32FileSystem::GetDriveType(const std::string& root) {
  switch (RootOf(root)) {
    case DRIVE_NO_ROOT_DIR:
      return DriveType::NoRootDir;
    case DRIVE_REMOVABLE:
      return DriveType::Removable;
    case DRIVE_FIXED:
      return DriveType::Fixed;
    case DRIVE_REMOTE:
      return DriveType::Remote;
    case DRIVE_CDROM:
      return DriveType::CdRom;
    case DRIVE_RAMDISK:
      return DriveType::RamDisk;
    default:
      return DriveType::Unknown;
  }
}

bool Win32FileSystem::VolumeLabel(const std::string& root, std::string* label) {
  char name[MAX_PATH + 1] = {};
  if (!GetVolumeInformationA(root.c_str(), name, sizeof name, nullptr, nullptr, nullptr, nullptr,
                             0)) {
    return false;
  }
  *label = name;
  return true;
}

bool Win32FileSystem::FreeSpace(const std::string& root, uint64_t* bytes) {
  ULARGE_INTEGER available;
  if (!GetDiskFreeSpaceExA(root.c_str(), &available, nullptr, nullptr)) return false;
  *bytes = available.QuadPart;
  return true;
}

PathFacts Win32FileSystem::Inspect(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  PathFacts facts;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
    DWORD error = GetLastError();
    bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    facts.kind = missing ? PathKind::Missing : PathKind::Unknown;
    return facts;
  }
  if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
    facts.kind = PathKind::Link;
  } else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    facts.kind = PathKind::Folder;
  } else {
    facts.kind = PathKind::File;
    facts.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    facts.lastWrite = FromFiletime(data.ftLastWriteTime);
  }
  return facts;
}

bool Win32FileSystem::DeleteAtRestart(const std::string& path) {
  return MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
}

}  // namespace vorna::platform
