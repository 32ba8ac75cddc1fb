#include "platform/win32/win32_shell.h"

#include <objidl.h>
#include <shlobj.h>
#include <windows.h>

namespace vorna::platform {

namespace {

/// The self-registration entry points take nothing and answer an HRESULT.
using RegistrationEntry = HRESULT(STDAPICALLTYPE*)();

/// Saves the link object to the file, converting the path to UTF-16 first.
HRESULT SaveLink(IShellLinkA* link, const std::string& linkPath) {
  IPersistFile* file = nullptr;
  HRESULT result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
  if (FAILED(result)) return result;
  WCHAR widePath[MAX_PATH] = {};
  // A path that does not fit the buffer is not converted at all; saving to
  // whatever part of it fitted would write the link somewhere else.
  if (MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH) == 0) {
    result = E_INVALIDARG;
  } else {
    result = file->Save(widePath, TRUE);
  }
  file->Release();
  return result;
}

/// The path made absolute against the current folder; empty when it cannot be.
std::string FullPath(const std::string& path) {
  char full[MAX_PATH];
  DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
  if (length == 0 || length >= MAX_PATH) return std::string();
  return std::string(full, length);
}

}  // namespace

HResult Win32Shell::CreateShortcut(const std::string& target, const std::string& linkPath,
                                   const std::string& description) {
  IShellLinkA* link = nullptr;
  HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                    reinterpret_cast<void**>(&link));
  if (FAILED(result)) return result;
  link->SetPath(target.c_str());
  link->SetDescription(description.c_str());
  result = SaveLink(link, linkPath);
  link->Release();
  return result;
}

bool Win32Shell::RegisterLibrary(const std::string& path, LibraryAction action) {
  // A relative name is the file in the current folder and nothing else: the
  // search path of a bare name would reach the program's folder and the
  // system's first. With the full path, the altered search path lets the
  // library find the libraries it needs in its own folder first.
  std::string full = FullPath(path);
  if (full.empty()) return false;
  HMODULE library = LoadLibraryExA(full.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (reinterpret_cast<uintptr_t>(library) < 32) return false;
  const char* entryName =
      action == LibraryAction::Register ? "DllRegisterServer" : "DllUnregisterServer";
  FARPROC entry = GetProcAddress(library, entryName);
  if (!entry) {
    FreeLibrary(library);
    return false;
  }
  // Cast through the generic function type, which the compiler accepts for any signature.
  auto call = reinterpret_cast<RegistrationEntry>(reinterpret_cast<void (*)()>(entry));
  HRESULT result = call();
  FreeLibrary(library);
  return result >= 0;
}

}  // namespace vorna::platform
