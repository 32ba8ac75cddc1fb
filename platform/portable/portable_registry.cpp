#include "platform/portable/portable_registry.h"

#include <cstring>
#include <iterator>
#include <optional>
#include <vector>

#include "platform/portable/atomic_file.h"
#include "platform/portable/reg_file_format.h"

namespace vorna::platform {

namespace {

/// The names of a subkey path; empty segments (doubled or outer backslashes) are skipped.
std::vector<std::string> Segments(const std::string& subkey) {
  std::vector<std::string> names;
  size_t start = 0;
  while (start <= subkey.size()) {
    size_t end = subkey.find('\\', start);
    if (end == std::string::npos) end = subkey.size();
    if (end > start) names.push_back(subkey.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

bool IsRootHandle(KeyHandle key) {
  for (RootKey root : RegTree::RootKeys()) {
    if (key == RootHandle(root)) return true;
  }
  return false;
}

}  // namespace

PortableRegistry::PortableRegistry(const std::string& root)
    : filePath_(root.empty() ? std::string(kFileName) : root + "/" + kFileName) {}

bool PortableRegistry::Load(std::string* error) {
  // Keys opened before belong to the tree being replaced; their handles go stale.
  open_.clear();
  std::string text;
  switch (ReadWholeFile(filePath_, &text)) {
    case ReadOutcome::Missing:
      tree_.Clear();
      writable_ = true;
      return true;
    case ReadOutcome::Failed:
      writable_ = false;
      if (error) *error = filePath_ + ": cannot be read";
      return false;
    case ReadOutcome::Read:
      break;
  }
  std::string why;
  writable_ = ParseRegFile(text, &tree_, &why);
  if (!writable_ && error) *error = filePath_ + ": " + why;
  return writable_;
}

RegNode* PortableRegistry::NodeOf(KeyHandle key) const {
  if (IsRootHandle(key)) return tree_.Root(static_cast<RootKey>(key));
  auto it = open_.find(key);
  return it == open_.end() ? nullptr : it->second;
}

KeyHandle PortableRegistry::NewHandle(RegNode* node) {
  KeyHandle handle = nextHandle_++;
  open_[handle] = node;
  return handle;
}

bool PortableRegistry::InjectedFault(RegistryCall call) {
  Fault& fault = faults_[static_cast<size_t>(call)];
  ++fault.calls;
  return fault.failAt != 0 && fault.calls == fault.failAt;
}

void PortableRegistry::FailNth(RegistryCall call, uint64_t n) {
  faults_[static_cast<size_t>(call)] = Fault{0, n};
}

bool PortableRegistry::Save() {
  if (InjectedFault(RegistryCall::Save)) return false;
  if (sharedFaults_ && sharedFaults_->ShouldFail(FaultKind::RegistryWrite)) return false;
  return ReplaceFileAtomically(filePath_, FormatRegFile(tree_));
}

RegStatus PortableRegistry::OpenKey(KeyHandle parent, const std::string& subkey, uint32_t,
                                    KeyHandle* opened) {
  if (!opened) return kRegInvalidParameter;
  if (InjectedFault(RegistryCall::Open)) return kRegAccessDenied;
  RegNode* node = NodeOf(parent);
  if (!node) return kRegInvalidHandle;
  for (const std::string& name : Segments(subkey)) {
    node = node->Child(name);
    if (!node) return kRegFileNotFound;
  }
  *opened = NewHandle(node);
  return kRegSuccess;
}

RegStatus PortableRegistry::CreateKey(KeyHandle parent, const std::string& subkey,
                                      KeyHandle* opened) {
  if (!opened) return kRegInvalidParameter;
  if (InjectedFault(RegistryCall::Create)) return kRegAccessDenied;
  RegNode* node = NodeOf(parent);
  if (!node) return kRegInvalidHandle;
  if (!IsStorableName(subkey)) return kRegInvalidParameter;
  if (!writable_) return kRegAccessDenied;
  // The first key this call adds, so that a failed save can take it (and
  // everything added below it) away again.
  RegNode* firstParent = nullptr;
  std::string firstName;
  for (const std::string& name : Segments(subkey)) {
    RegNode* child = node->Child(name);
    if (!child) {
      if (!firstParent) {
        firstParent = node;
        firstName = name;
      }
      child = node->AddChild(name);
    }
    node = child;
  }
  if (firstParent && !Save()) {
    firstParent->RemoveChild(firstName);
    return kRegWriteFault;
  }
  *opened = NewHandle(node);
  return kRegSuccess;
}

RegStatus PortableRegistry::QueryValue(KeyHandle key, const std::string& name, RegType* type,
                                       void* data, uint32_t* size) {
  if (InjectedFault(RegistryCall::Query)) return kRegAccessDenied;
  RegNode* node = NodeOf(key);
  if (!node) return kRegInvalidHandle;
  const RegValue* value = node->Value(name);
  if (!value) return kRegFileNotFound;
  if (type) *type = value->type;
  if (!size) return data ? kRegInvalidParameter : kRegSuccess;
  uint32_t length = static_cast<uint32_t>(value->data.size());
  uint32_t room = *size;
  *size = length;
  if (!data) return kRegSuccess;  // a question for the length alone
  if (room < length) return kRegMoreData;
  if (length > 0) std::memcpy(data, value->data.data(), length);
  return kRegSuccess;
}

RegStatus PortableRegistry::SetValue(KeyHandle key, const std::string& name, RegType type,
                                     const void* data, uint32_t size) {
  if (InjectedFault(RegistryCall::Set)) return kRegAccessDenied;
  RegNode* node = NodeOf(key);
  if (!node) return kRegInvalidHandle;
  if (!data && size > 0) return kRegInvalidParameter;
  if (!IsStorableName(name)) return kRegInvalidParameter;
  if (!writable_) return kRegAccessDenied;
  const RegValue* existing = node->Value(name);
  std::optional<RegValue> previous;
  if (existing) previous = *existing;
  const uint8_t* bytes = static_cast<const uint8_t*>(data);
  node->SetValue(RegValue{name, type, std::vector<uint8_t>(bytes, bytes + size)});
  if (Save()) return kRegSuccess;
  if (previous) {
    node->SetValue(std::move(*previous));
  } else {
    node->RemoveValue(name);
  }
  return kRegWriteFault;
}

RegStatus PortableRegistry::CloseKey(KeyHandle key) {
  if (IsRootHandle(key)) return kRegSuccess;
  return open_.erase(key) == 1 ? kRegSuccess : kRegInvalidHandle;
}

RegStatus PortableRegistry::DeleteValue(KeyHandle key, const std::string& name) {
  RegNode* node = NodeOf(key);
  if (!node) return kRegInvalidHandle;
  const RegValue* existing = node->Value(name);
  if (!existing) return kRegFileNotFound;
  if (!writable_) return kRegAccessDenied;
  RegValue previous = *existing;
  node->RemoveValue(name);
  if (Save()) return kRegSuccess;
  node->SetValue(std::move(previous));
  return kRegWriteFault;
}

RegStatus PortableRegistry::DeleteKey(KeyHandle parent, const std::string& subkey) {
  RegNode* node = NodeOf(parent);
  if (!node) return kRegInvalidHandle;
  if (subkey.empty() || subkey.find('\\') != std::string::npos) return kRegInvalidParameter;
  RegNode* child = node->Child(subkey);
  if (!child) return kRegFileNotFound;
  if (!child->children().empty() || !writable_) return kRegAccessDenied;
  std::string name = child->name();
  std::map<std::string, RegValue> values = child->values();
  for (auto it = open_.begin(); it != open_.end();) {
    it = it->second == child ? open_.erase(it) : std::next(it);
  }
  node->RemoveChild(name);
  if (Save()) return kRegSuccess;
  // Put the key back as it was; the handles that went stale stay so.
  RegNode* restored = node->AddChild(name);
  for (auto& entry : values) restored->SetValue(std::move(entry.second));
  return kRegWriteFault;
}

RegStatus PortableRegistry::CountEntries(KeyHandle key, uint32_t* subkeys, uint32_t* values) {
  RegNode* node = NodeOf(key);
  if (!node) return kRegInvalidHandle;
  if (subkeys) *subkeys = static_cast<uint32_t>(node->children().size());
  if (values) *values = static_cast<uint32_t>(node->values().size());
  return kRegSuccess;
}

}  // namespace vorna::platform
