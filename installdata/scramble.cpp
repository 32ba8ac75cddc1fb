#include "installdata/scramble.h"

#include <cstring>

namespace vorna {

namespace {

std::string& InstalledKey() {
  static std::string key;
  return key;
}

}  // namespace

void SetContainerKey(const char* text, size_t length) {
  if (length == 0) length = std::strlen(text);
  InstalledKey().assign(text, length);
}

void ClearContainerKey() {
  InstalledKey().clear();
  InstalledKey().shrink_to_fit();
}

const std::string& ContainerKey() {
  return InstalledKey();
}

uint32_t KeyPositionAt(uint64_t offset, const std::string& key) {
  return key.empty() ? 0 : static_cast<uint32_t>(offset % key.size());
}

uint8_t ScrambleByte(uint8_t plain, uint32_t i, const std::string& key) {
  if (key.empty()) return plain;
  return static_cast<uint8_t>((plain ^ static_cast<uint8_t>(key[i])) + i % 255);
}

uint8_t UnscrambleByte(uint8_t stored, uint32_t i, const std::string& key) {
  if (key.empty()) return stored;
  return static_cast<uint8_t>(static_cast<uint8_t>(stored - i % 255) ^
                              static_cast<uint8_t>(key[i]));
}

void UnscrambleBlock(uint8_t* bytes, size_t size, uint64_t offset, const std::string& key) {
  if (key.empty()) return;
  uint32_t i = KeyPositionAt(offset, key);
  for (size_t n = 0; n < size; ++n) {
    bytes[n] = UnscrambleByte(bytes[n], i, key);
    if (++i == key.size()) i = 0;
  }
}

void ScrambleBlock(uint8_t* bytes, size_t size, uint64_t offset, const std::string& key) {
  if (key.empty()) return;
  uint32_t i = KeyPositionAt(offset, key);
  for (size_t n = 0; n < size; ++n) {
    bytes[n] = ScrambleByte(bytes[n], i, key);
    if (++i == key.size()) i = 0;
  }
}

}  // namespace vorna
