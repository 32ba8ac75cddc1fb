// The registry key object that every registry user shares: SETREGISTRY,
// the REGISTRY function and the special-folder lookup.
//
// It lives on the caller's stack for one statement, holds at most one open key
// and closes it when destroyed. It reports failures by its results and its
// status and raises no script error itself; registry_access.h turns them into
// the script errors of the statements and functions.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "install/registry_path.h"
#include "platform/registry.h"

namespace vorna {

/// Whether opening a key path first creates the keys that are missing along it.
enum class KeyCreation { OpenExisting, CreateMissing };

class RegistryKey {
 public:
  /// A key object that reaches the keys through registry.
  explicit RegistryKey(platform::Registry& registry) : registry_(registry) {}
  ~RegistryKey();
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  /// Opens the key a script path names (read and write access), closing any
  /// key held before; with CreateMissing every missing key along it is created first.
  bool Open(const std::string& path, KeyCreation creation);
  /// Closes the held key, if any; false when the close itself failed.
  bool Close();
  /// Reads a value into buffer (size bytes): the byte count read, -1 when the
  /// read fails, 0 when no key is open.
  int32_t QueryValue(const std::string& name, void* buffer, platform::RegType* type, uint32_t size);
  /// Reads a value as text, as a caller with a capacity-byte buffer sees it: the
  /// bytes up to the first zero byte. nullopt when the read fails or the text
  /// would not leave room for its terminating zero.
  std::optional<std::string> QueryText(const std::string& name, size_t capacity);
  /// Writes a value; false on failure or when no key is open.
  bool SetValue(const std::string& name, const void* data, platform::RegType type, uint32_t size);
  /// Writes text as a REG_SZ value, its terminating zero included.
  bool SetText(const std::string& name, const std::string& text);

  /// The keys that the last Open created, outermost first, each named with
  /// its root ("HKEY_LOCAL_MACHINE\\Software\\Hello").
  const std::vector<std::string>& createdKeys() const { return created_; }
  /// The key the last Open reached, named with its root.
  const std::string& name() const { return name_; }

  /// Result of the last registry call (0 for success), or the size last read.
  int32_t status() const { return status_; }
  bool isOpen() const { return key_.has_value(); }

 private:
  /// Opens or creates each segment of subkey in turn, closing every key it opened.
  void CreateSegments(const KeyPath& path);

  platform::Registry& registry_;
  int32_t status_ = 0;
  std::optional<platform::KeyHandle> key_;
  std::string name_;
  std::vector<std::string> created_;
};

}  // namespace vorna
