// A library whose registration entry points both report failure.
#include <windows.h>

extern "C" __declspec(dllexport) HRESULT __stdcall DllRegisterServer() {
  return static_cast<HRESULT>(0x80040201);  // SELFREG_E_CLASS
}

extern "C" __declspec(dllexport) HRESULT __stdcall DllUnregisterServer() {
  return static_cast<HRESULT>(0x80040201);
}
