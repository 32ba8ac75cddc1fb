#include "platform/portable/registry_tree.h"

namespace vorna::platform {

std::string FoldName(const std::string& name) {
  std::string folded = name;
  for (char& c : folded) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return folded;
}

RegNode* RegNode::Child(const std::string& name) const {
  auto it = children_.find(FoldName(name));
  return it == children_.end() ? nullptr : it->second.get();
}

RegNode* RegNode::AddChild(const std::string& name) {
  std::unique_ptr<RegNode>& slot = children_[FoldName(name)];
  if (!slot) slot = std::make_unique<RegNode>(name);
  return slot.get();
}

void RegNode::RemoveChild(const std::string& name) {
  children_.erase(FoldName(name));
}

const RegValue* RegNode::Value(const std::string& name) const {
  auto it = values_.find(FoldName(name));
  return it == values_.end() ? nullptr : &it->second;
}

void RegNode::SetValue(RegValue value) {
  std::string key = FoldName(value.name);
  auto it = values_.find(key);
  if (it != values_.end()) value.name = it->second.name;
  values_[key] = std::move(value);
}

void RegNode::RemoveValue(const std::string& name) {
  values_.erase(FoldName(name));
}

namespace {

const char* RootName(RootKey root) {
  switch (root) {
    case RootKey::ClassesRoot:
      return "HKEY_CLASSES_ROOT";
    case RootKey::CurrentUser:
      return "HKEY_CURRENT_USER";
    case RootKey::LocalMachine:
      return "HKEY_LOCAL_MACHINE";
    case RootKey::Users:
      return "HKEY_USERS";
    case RootKey::CurrentConfig:
      return "HKEY_CURRENT_CONFIG";
  }
  return "";
}

}  // namespace

RegTree::RegTree() {
  Clear();
}

const std::vector<RootKey>& RegTree::RootKeys() {
  static const std::vector<RootKey> keys = {RootKey::ClassesRoot, RootKey::CurrentUser,
                                            RootKey::LocalMachine, RootKey::Users,
                                            RootKey::CurrentConfig};
  return keys;
}

void RegTree::Clear() {
  roots_.clear();
  for (RootKey root : RootKeys()) roots_[root] = std::make_unique<RegNode>(RootName(root));
}

RegNode* RegTree::Root(RootKey root) const {
  auto it = roots_.find(root);
  return it == roots_.end() ? nullptr : it->second.get();
}

RegNode* RegTree::RootByName(const std::string& name) const {
  std::string folded = FoldName(name);
  for (const auto& [key, node] : roots_) {
    if (node->name() == folded) return node.get();
  }
  return nullptr;
}

}  // namespace vorna::platform
