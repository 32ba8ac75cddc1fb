#include "host/win32/library_search.h"

#include <windows.h>

namespace vorna {

namespace {

// Not in every SDK's headers, and not in every kernel32.
constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
using SetDefaultDirectories = BOOL(WINAPI*)(DWORD);
using SetDirectory = BOOL(WINAPI*)(LPCSTR);

template <typename Function>
Function Lookup(const char* name) {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  FARPROC entry = kernel ? GetProcAddress(kernel, name) : nullptr;
  // Cast through the generic function type, which the compiler accepts for any signature.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(entry));
}

}  // namespace

void RestrictLibrarySearch() {
  auto setDefault = Lookup<SetDefaultDirectories>("SetDefaultDllDirectories");
  if (setDefault && setDefault(kSearchSystem32)) return;
  auto setDirectory = Lookup<SetDirectory>("SetDllDirectoryA");
  if (setDirectory) setDirectory("");
}

}  // namespace vorna
