// A library whose registration loads a system library by its bare name, as
// system code loads its helpers on demand once a program runs: the load
// follows the program's library search, so a copy planted beside the program
// must not be the one found.
#include <windows.h>

extern "C" __declspec(dllexport) HRESULT __stdcall DllRegisterServer() {
  HMODULE helper = LoadLibraryA("msimg32.dll");
  if (!helper) return E_FAIL;
  FreeLibrary(helper);
  return S_OK;
}

extern "C" __declspec(dllexport) HRESULT __stdcall DllUnregisterServer() {
  return S_OK;
}
