// A library that registers itself: DllRegisterServer writes a registry value
// that the Wine checks look for, DllUnregisterServer deletes it again.
#include <windows.h>

namespace {

const char kKey[] = "Software\\VornaTestLibrary";
const char kValue[] = "Registered";
const char kData[] = "yes";

}  // namespace

extern "C" __declspec(dllexport) HRESULT __stdcall DllRegisterServer() {
  HKEY key = nullptr;
  if (RegCreateKeyA(HKEY_CURRENT_USER, kKey, &key) != ERROR_SUCCESS) return E_FAIL;
  LONG status =
      RegSetValueExA(key, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(kData), sizeof kData);
  RegCloseKey(key);
  return status == ERROR_SUCCESS ? S_OK : E_FAIL;
}

extern "C" __declspec(dllexport) HRESULT __stdcall DllUnregisterServer() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) {
    return E_FAIL;
  }
  LONG status = RegDeleteValueA(key, kValue);
  RegCloseKey(key);
  return status == ERROR_SUCCESS ? S_OK : E_FAIL;
}
