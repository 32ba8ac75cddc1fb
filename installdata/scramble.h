// The scrambling of the install data container and its process-wide key.
//
// Each container byte is combined with one key character and its position in
// the key; the position is the byte's offset from the container's start
// modulo the key length, so any byte can be unscrambled on its own, and two
// readers of the same entry read the same text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vorna {

/// The key the installer's containers are scrambled with.
constexpr const char* kInstallerKey = "507-194463820";

/// Installs a copy of the key; length 0 takes the text's own length.
void SetContainerKey(const char* text, size_t length = 0);
/// Forgets the key: bytes are then stored unscrambled.
void ClearContainerKey();
/// The installed key (empty when none).
const std::string& ContainerKey();

/// Key position of the byte at offset (from the container's start); 0 without a key.
uint32_t KeyPositionAt(uint64_t offset, const std::string& key);
/// The stored form of a plain byte at key position i.
uint8_t ScrambleByte(uint8_t plain, uint32_t i, const std::string& key);
/// The plain form of a stored byte at key position i.
uint8_t UnscrambleByte(uint8_t stored, uint32_t i, const std::string& key);
/// Unscrambles size bytes in place; the first stands at offset from the container's start.
void UnscrambleBlock(uint8_t* bytes, size_t size, uint64_t offset, const std::string& key);
/// Scrambles size bytes in place; the first stands at offset from the container's start.
void ScrambleBlock(uint8_t* bytes, size_t size, uint64_t offset, const std::string& key);

}  // namespace vorna
