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

RegStatus Win32Registry::DeleteValue(KeyHandle key, const std::string& name) {
  return RegDeleteValueA(ToHkey(key), name.c_str());
}

RegStatus Win32Registry::DeleteKey(KeyHandle parent, const std::string& subkey) {
  // RegDeleteKeyA removes a key with subkeys on some systems; the interface
  // promises it never does.
  HKEY key = nullptr;
  LONG status = RegOpenKeyExA(ToHkey(parent), subkey.c_str(), 0, KEY_READ, &key);
  if (status != ERROR_SUCCESS) return status;
  DWORD subkeys = 0;
  status = RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr,
                            nullptr, nullptr, nullptr, nullptr);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return status;
  if (subkeys != 0) return ERROR_ACCESS_DENIED;
  return RegDeleteKeyA(ToHkey(parent), subkey.c_str());
}

RegStatus Win32Registry::CountEntries(KeyHandle key, uint32_t* subkeys, uint32_t* values) {
  DWORD keyCount = 0;
  DWORD valueCount = 0;
  LONG status = RegQueryInfoKeyA(ToHkey(key), nullptr, nullptr, nullptr, &keyCount, nullptr,
                                 nullptr, &valueCount, nullptr, nullptr, nullptr, nullptr);
  if (subkeys) *subkeys = keyCount;
  if (values) *values = valueCount;
  return status;
}

}  // namespace vorna::platform
