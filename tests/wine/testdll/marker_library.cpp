// A library that tells where it was loaded from: when a process loads it, it
// appends its own full path as a line to "loaded.txt" in the current folder.
// The Wine tests copy it under other names (a planted system library, a
// library to register) and read the file to see which copy ran, if any.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  char path[MAX_PATH + 2] = {};
  DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
  path[length++] = '\r';
  path[length++] = '\n';
  HANDLE file = CreateFileA("loaded.txt", FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(file, path, length, &written, nullptr);
    CloseHandle(file);
  }
  return TRUE;
}

extern "C" __declspec(dllexport) HRESULT __stdcall DllRegisterServer() {
  return S_OK;
}

extern "C" __declspec(dllexport) HRESULT __stdcall DllUnregisterServer() {
  return S_OK;
}
