// The registry as statements and functions use it: one key path, one value,
// failures turned into script errors, the key closed on every way out.
#pragma once

#include <string>

#include "platform/platform.h"

namespace vorna {

/// Largest value the REGISTRY function reads, terminating zero included.
constexpr size_t kRegistryReadCapacity = 4096;

/// Reads a value as text from an existing key (the REGISTRY function). Raises
/// "Illegal Use" when the key cannot be opened, the value cannot be read or it
/// holds no bytes at all.
std::string ReadRegistryText(platform::Registry& registry, const std::string& keyPath,
                             const std::string& valueName);

/// Writes text as a REG_SZ value through the machine's registry, creating the
/// key path as needed (SETREGISTRY); an empty name writes the default value.
/// The keys created and the value written are reported. Raises "Illegal Use"
/// when the key cannot be opened or created and "Disk" when the value cannot
/// be written.
void WriteRegistryText(const platform::Platform& machine, const std::string& keyPath,
                       const std::string& valueName, const std::string& text);

}  // namespace vorna
