#include "install/registry_access.h"

#include <algorithm>
#include <vector>

#include "install/registry_key.h"
#include "values/errors.h"

namespace vorna {

std::string ReadRegistryText(platform::Registry& registry, const std::string& keyPath,
                             const std::string& valueName) {
  RegistryKey key(registry);
  if (!key.Open(keyPath, KeyCreation::OpenExisting)) Raise(errorNumbers::IllegalUse);
  std::vector<char> buffer(kRegistryReadCapacity, '\0');
  int32_t got =
      key.QueryValue(valueName, buffer.data(), nullptr, static_cast<uint32_t>(buffer.size()));
  if (got <= 0) Raise(errorNumbers::IllegalUse);
  // The text ends at its first zero byte; a value that fills the buffer with
  // no zero at all would have no end inside it and counts as unreadable.
  auto end = std::find(buffer.begin(), buffer.begin() + got, '\0');
  if (end == buffer.end()) Raise(errorNumbers::IllegalUse);
  return std::string(buffer.begin(), end);
}

void WriteRegistryText(const platform::Platform& machine, const std::string& keyPath,
                       const std::string& valueName, const std::string& text) {
  RegistryKey key(*machine.registry);
  bool opened = key.Open(keyPath, KeyCreation::CreateMissing);
  for (const std::string& created : key.createdKeys()) {
    platform::Emit(machine, platform::event::RegistryKeyCreated{created});
  }
  if (!opened) Raise(errorNumbers::IllegalUse);
  if (!key.SetText(valueName, text)) Raise(errorNumbers::Disk);
  platform::Emit(machine, platform::event::RegistryValueWritten{key.name(), valueName, text});
}

}  // namespace vorna
