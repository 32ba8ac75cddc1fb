// The sandbox registry: every key and value lives in memory and in one
// REGEDIT4 text file in the sandbox root, written again after each change.
//
// The file is replaced atomically (a temporary file renamed over it), so a
// reader never sees half a file and a failed save leaves the old one intact;
// a change whose save fails is undone in memory too, so that memory and file
// never disagree. Handles are plain numbers handed out per open.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "platform/portable/fault_injector.h"
#include "platform/portable/registry_tree.h"
#include "platform/registry.h"

namespace vorna::platform {

/// The calls a test can make fail on purpose; Save is the file write behind a change.
enum class RegistryCall { Open, Create, Query, Set, Save, Count };

class PortableRegistry : public Registry {
 public:
  /// The file name of the registry inside the sandbox root.
  static constexpr const char* kFileName = "registry.reg";

  /// A registry kept in ROOT/registry.reg; call Load before use.
  explicit PortableRegistry(const std::string& root);

  /// Reads the file (a missing file is an empty registry); false with a
  /// message when it cannot be read or parsed, and then every change is
  /// refused so that the file is never overwritten. Handles opened before
  /// become invalid.
  bool Load(std::string* error);

  RegStatus OpenKey(KeyHandle parent, const std::string& subkey, uint32_t access,
                    KeyHandle* opened) override;
  RegStatus CreateKey(KeyHandle parent, const std::string& subkey, KeyHandle* opened) override;
  RegStatus QueryValue(KeyHandle key, const std::string& name, RegType* type, void* data,
                       uint32_t* size) override;
  RegStatus SetValue(KeyHandle key, const std::string& name, RegType type, const void* data,
                     uint32_t size) override;
  RegStatus CloseKey(KeyHandle key) override;
  RegStatus DeleteValue(KeyHandle key, const std::string& name) override;
  /// Handles still open on the deleted key go stale, as on Windows.
  RegStatus DeleteKey(KeyHandle parent, const std::string& subkey) override;
  RegStatus CountEntries(KeyHandle key, uint32_t* subkeys, uint32_t* values) override;

  /// Makes the nth call of that kind from now on fail (n counts from 1; 0 disarms).
  void FailNth(RegistryCall call, uint64_t n);
  /// Shares the platform's fault injector: its RegistryWrite kind fails the
  /// file write behind a change, as a full disk would.
  void UseFaults(FaultInjector* faults) { sharedFaults_ = faults; }
  /// Keys opened and not yet closed (roots not counted).
  size_t OpenKeyCount() const { return open_.size(); }
  /// Full host path of the registry file.
  const std::string& filePath() const { return filePath_; }

 private:
  RegNode* NodeOf(KeyHandle key) const;
  KeyHandle NewHandle(RegNode* node);
  /// Counts one call of a kind; true when a test armed it to fail now.
  bool InjectedFault(RegistryCall call);
  /// Writes the whole tree to the file; false when the file could not be replaced.
  bool Save();

  struct Fault {
    uint64_t calls = 0;
    uint64_t failAt = 0;
  };

  std::string filePath_;
  RegTree tree_;
  bool writable_ = true;
  std::map<KeyHandle, RegNode*> open_;
  KeyHandle nextHandle_ = 0x100;
  std::array<Fault, static_cast<size_t>(RegistryCall::Count)> faults_{};
  FaultInjector* sharedFaults_ = nullptr;
};

}  // namespace vorna::platform
