#include "install/registry_key.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "install/registry_path.h"

namespace vorna {

namespace {

using platform::KeyHandle;
using platform::kKeyReadWrite;
using platform::kRegSuccess;
using platform::RegType;

}  // namespace

RegistryKey::~RegistryKey() {
  Close();
}

bool RegistryKey::Open(const std::string& path, KeyCreation creation) {
  if (path.empty()) return false;
  Close();
  created_.clear();
  KeyPath keyPath = ScanKeyPath(path);
  name_ = KeyName(keyPath.root, keyPath.subkey);
  KeyHandle root = platform::RootHandle(keyPath.root);
  if (creation == KeyCreation::CreateMissing) CreateSegments(keyPath);
  KeyHandle opened = 0;
  status_ = registry_.OpenKey(root, keyPath.subkey, kKeyReadWrite, &opened);
  if (status_ != kRegSuccess) return false;
  key_ = opened;
  return true;
}

void RegistryKey::CreateSegments(const KeyPath& path) {
  KeyHandle current = platform::RootHandle(path.root);
  std::string reached;
  for (const std::string& segment : SubkeySegments(path.subkey)) {
    KeyHandle next = 0;
    reached += (reached.empty() ? "" : "\\") + segment;
    status_ = registry_.OpenKey(current, segment, kKeyReadWrite, &next);
    if (status_ != kRegSuccess) {
      status_ = registry_.CreateKey(current, segment, &next);
      if (status_ == kRegSuccess) created_.push_back(KeyName(path.root, reached));
    }
    if (status_ != kRegSuccess) break;
    registry_.CloseKey(current);
    current = next;
  }
  // Also when the walk stopped part-way: the key reached so far is still open.
  registry_.CloseKey(current);
}

bool RegistryKey::Close() {
  if (!key_) return true;
  status_ = registry_.CloseKey(*key_);
  key_.reset();
  return status_ == kRegSuccess;
}

int32_t RegistryKey::QueryValue(const std::string& name, void* buffer, RegType* type,
                                uint32_t size) {
  if (!key_) return 0;
  RegType kind = RegType::None;
  uint32_t got = size;
  status_ = registry_.QueryValue(*key_, name, &kind, buffer, &got);
  if (status_ != kRegSuccess) return -1;
  if (type) *type = kind;
  status_ = static_cast<int32_t>(got);
  return static_cast<int32_t>(got);
}

std::optional<std::string> RegistryKey::QueryText(const std::string& name, size_t capacity) {
  if (capacity == 0 || capacity > UINT32_MAX) return std::nullopt;
  std::vector<char> buffer(capacity, '\0');
  int32_t got = QueryValue(name, buffer.data(), nullptr, static_cast<uint32_t>(capacity));
  if (got < 0 || !key_) return std::nullopt;
  // A value stored without its terminating zero ends where the read ended; one
  // that fills the whole buffer leaves no room for the zero and is refused
  // rather than read past the buffer.
  auto end = std::find(buffer.begin(), buffer.begin() + got, '\0');
  if (end == buffer.end()) return std::nullopt;
  return std::string(buffer.begin(), end);
}

bool RegistryKey::SetValue(const std::string& name, const void* data, RegType type, uint32_t size) {
  if (!key_) return false;
  status_ = registry_.SetValue(*key_, name, type, data, size);
  return status_ == kRegSuccess;
}

bool RegistryKey::SetText(const std::string& name, const std::string& text) {
  if (text.size() >= UINT32_MAX) return false;
  return SetValue(name, text.c_str(), RegType::Sz, static_cast<uint32_t>(text.size() + 1));
}

}  // namespace vorna
