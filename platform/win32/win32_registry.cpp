#include "platform/win32/win32_registry.h"

#include <windows.h>

namespace vorna::platform {

namespace {

/// The Windows key handle for a handle of the interface: roots map to the
/// predefined keys, every other handle is an HKEY the registry gave out.
HKEY ToHkey(KeyHandle key) {
  switch (key) {
    case RootHandle(RootKey::ClassesRoot):
      return HKEY_CLASSES_ROOT;
    case RootHandle(RootKey::CurrentUser):
      return HKEY_CURRENT_USER;
    case RootHandle(RootKey::LocalMachine):
      return HKEY_LOCAL_MACHINE;
    case RootHandle(RootKey::Users):
      return HKEY_USERS;
    case RootHandle(RootKey::CurrentConfig):
      return HKEY_CURRENT_CONFIG;
    default:
      return reinterpret_cast<HKEY>(key);
  }
}

KeyHandle FromHkey(HKEY key) {
  return reinterpret_cast<KeyHandle>(key);
}

}  // namespace

RegStatus Win32Registry::OpenKey(KeyHandle parent, const std::string& subkey, uint32_t access,
                                 KeyHandle* opened) {
  HKEY key = nullptr;
  LONG status = RegOpenKeyExA(ToHkey(parent), subkey.c_str(), 0, access, &key);
  if (status == ERROR_SUCCESS) *opened = FromHkey(key);
  return status;
}

RegStatus Win32Registry::CreateKey(KeyHandle parent, const std::string& subkey, KeyHandle* opened) {
  HKEY key = nullptr;
  LONG status = RegCreateKeyA(ToHkey(parent), subkey.c_str(), &key);
  if (status == ERROR_SUCCESS) *opened = FromHkey(key);
  return status;
}

RegStatus Win32Registry::QueryValue(KeyHandle key, const std::string& name, RegType* type,
                                    void* data, uint32_t* size) {
  DWORD kind = REG_NONE;
  DWORD length = size ? *size : 0;
  LONG status = RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, &kind,
                                 static_cast<BYTE*>(data), size ? &length : nullptr);
  if (type) *type = static_cast<RegType>(kind);
  if (size) *size = length;
  return status;
}

RegStatus Win32Registry::SetValue(KeyHandle key, const std::string& name, RegType type,
                                  const void* data, uint32_t size) {
  return RegSetValueExA(ToHkey(key), name.c_str(), 0, static_cast<DWORD>(type),
                        static_cast<const BYTE*>(data), size);
}

RegStatus Win32Registry::CloseKey(KeyHandle key) {
  return RegCloseKey(ToHkey(key));
}

}  // namespace vorna::platform
