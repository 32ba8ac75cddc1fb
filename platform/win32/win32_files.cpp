#include "platform/win32/win32_files.h"

#include <windows.h>

#include <vector>

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

constexpr int kTemporaryAttempts = 8;

// RtlGenRandom, exported by advapi32 as SystemFunction036: the system's
// random source on every Windows version this program runs on.
extern "C" BOOLEAN WINAPI SystemFunction036(PVOID buffer, ULONG length);

// Eight letters and digits no other program can predict; empty when the
// random source fails.
std::string RandomName() {
  static constexpr char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUV";
  unsigned char bytes[8];
  if (!SystemFunction036(bytes, sizeof bytes)) return std::string();
  std::string name;
  for (unsigned char byte : bytes) name += kDigits[byte & 31];
  return name;
}

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

std::string Join(const std::string& folder, const std::string& name) {
  if (!folder.empty() && IsSeparator(folder.back())) return folder + name;
  return folder + "\\" + name;
}

// True when name begins with prefix, letter case aside, in the ANSI code page.
bool StartsWithIgnoringCase(const std::string& name, const std::string& prefix) {
  if (name.size() < prefix.size()) return false;
  return CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, name.c_str(),
                        static_cast<int>(prefix.size()), prefix.c_str(),
                        static_cast<int>(prefix.size())) == CSTR_EQUAL;
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

bool Win32FileSystem::Replace(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
}

std::unique_ptr<File> Win32FileSystem::CreateTemporary(const std::string& folder,
                                                       const std::string& prefix,
                                                       std::string* path) {
  for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
    std::string name = RandomName();
    if (name.empty()) return nullptr;
    std::string candidate = Join(folder, prefix + name);
    // CREATE_NEW fails on anything already there, a planted link included;
    // the reparse flag keeps even a race from opening a link's target.
    HANDLE handle = CreateFileA(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
      *path = candidate;
      return std::make_unique<Win32File>(handle);
    }
    DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return nullptr;
  }
  return nullptr;
}

int Win32FileSystem::DeleteStartingWith(const std::string& folder, const std::string& prefix) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(Join(folder, prefix + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  std::vector<std::string> names;
  do {
    // The pattern also matches short 8.3 names; only the long name counts.
    bool file = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    if (file && StartsWithIgnoringCase(found.cFileName, prefix)) names.push_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  int deleted = 0;
  for (const std::string& name : names) {
    if (DeleteFileA(Join(folder, name).c_str())) ++deleted;
  }
  return deleted;
}

bool Win32FileSystem::IsLinkFree(const std::string& folder, const std::string& relative) {
  std::string path = folder;
  size_t start = 0;
  while (start <= relative.size()) {
    size_t end = relative.find_first_of("\\/", start);
    if (end == std::string::npos) end = relative.size();
    path = Join(path, relative.substr(start, end - start));
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
      // Nothing below a missing component exists; any other failure leaves
      // the question open, and an open question is not a safe path.
      DWORD error = GetLastError();
      return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    }
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return false;
    start = end + 1;
  }
  return true;
}

bool Win32FileSystem::Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
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

}  // namespace vorna::platform
