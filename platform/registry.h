// The registry, reached by open handles as on Windows.
#pragma once

#include <cstdint>
#include <optional>
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

/// An open key: a root or a key opened below another.
using KeyHandle = uintptr_t;

class Registry {
 public:
  virtual ~Registry() = default;
  /// Opens subkey (one segment or a backslash path) below parent; nullopt on failure.
  virtual std::optional<KeyHandle> Open(KeyHandle parent, const std::string& subkey) = 0;
  /// Opens or creates subkey below parent.
  virtual std::optional<KeyHandle> Create(KeyHandle parent, const std::string& subkey) = 0;
  /// Reads a text value (REG_SZ or REG_EXPAND_SZ); empty name = the default value.
  virtual std::optional<std::string> QueryText(KeyHandle key, const std::string& name) = 0;
  virtual bool SetText(KeyHandle key, const std::string& name, const std::string& text) = 0;
  virtual void Close(KeyHandle key) = 0;
};

inline KeyHandle RootHandle(RootKey root) { return static_cast<KeyHandle>(root); }

}  // namespace vorna::platform
