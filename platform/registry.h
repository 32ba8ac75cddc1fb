// The registry, reached by open key handles as on Windows.
//
// Every call answers a Windows status code (0 for success, otherwise the
// Windows error number), because the registry key object keeps the result of
// its last call as its status. Value kinds use the Windows REG_* numbers, since
// values carry them through unchanged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vorna::platform {

/// Root keys by their Windows handle values, as registry paths name them.
enum class RootKey : uint32_t {
  ClassesRoot = 0x80000000,
  CurrentUser = 0x80000001,
  LocalMachine = 0x80000002,
  Users = 0x80000003,
  CurrentConfig = 0x80000005,
};

/// An open key: a root (its RootKey value) or a key opened below another.
using KeyHandle = uintptr_t;

/// The handle that stands for a root key.
constexpr KeyHandle RootHandle(RootKey root) {
  return static_cast<KeyHandle>(root);
}

/// Value kinds by their Windows numbers (REG_NONE, REG_SZ, ...); other numbers pass through.
enum class RegType : uint32_t {
  None = 0,
  Sz = 1,
  ExpandSz = 2,
  Binary = 3,
  Dword = 4,
  DwordBigEndian = 5,
  Link = 6,
  MultiSz = 7,
};

/// Result of a registry call: 0 or a Windows error number.
using RegStatus = int32_t;
constexpr RegStatus kRegSuccess = 0;
constexpr RegStatus kRegFileNotFound = 2;  // no such key or value
constexpr RegStatus kRegAccessDenied = 5;
constexpr RegStatus kRegInvalidHandle = 6;
constexpr RegStatus kRegWriteFault = 29;  // the change could not be stored
constexpr RegStatus kRegInvalidParameter = 87;
constexpr RegStatus kRegMoreData = 234;  // the value does not fit the buffer

/// Read and write access to an opened key (KEY_READ | KEY_WRITE).
constexpr uint32_t kKeyReadWrite = 0x2001F;

class Registry {
 public:
  virtual ~Registry() = default;
  /// Opens an existing subkey (one name or a backslash path) below parent with
  /// the given access; an empty subkey opens parent again.
  virtual RegStatus OpenKey(KeyHandle parent, const std::string& subkey, uint32_t access,
                            KeyHandle* opened) = 0;
  /// Opens subkey below parent, creating it and every missing key above it.
  virtual RegStatus CreateKey(KeyHandle parent, const std::string& subkey, KeyHandle* opened) = 0;
  /// Reads a value (empty name = the key's default value) into data of *size
  /// bytes; *size receives the value's length, *type its kind. A value longer
  /// than *size answers kRegMoreData and leaves data unspecified.
  virtual RegStatus QueryValue(KeyHandle key, const std::string& name, RegType* type, void* data,
                               uint32_t* size) = 0;
  /// Writes a value of size bytes (empty name = the key's default value).
  virtual RegStatus SetValue(KeyHandle key, const std::string& name, RegType type, const void* data,
                             uint32_t size) = 0;
  /// Closes an opened key; closing a root handle does nothing.
  virtual RegStatus CloseKey(KeyHandle key) = 0;
  /// Deletes a value (empty name = the key's default value).
  virtual RegStatus DeleteValue(KeyHandle key, const std::string& name);
  /// Deletes the key subkey (one name) below parent, with its values; a key
  /// that still has subkeys is not deleted.
  virtual RegStatus DeleteKey(KeyHandle parent, const std::string& subkey);
  /// Counts the subkeys and the values of an open key.
  virtual RegStatus CountEntries(KeyHandle key, uint32_t* subkeys, uint32_t* values);
};

// A registry that cannot delete or count (a tool's) refuses, so that an
// uninstall leaves its keys and values in place.
inline RegStatus Registry::DeleteValue(KeyHandle, const std::string&) {
  return kRegAccessDenied;
}
inline RegStatus Registry::DeleteKey(KeyHandle, const std::string&) {
  return kRegAccessDenied;
}
inline RegStatus Registry::CountEntries(KeyHandle, uint32_t*, uint32_t*) {
  return kRegAccessDenied;
}

}  // namespace vorna::platform
