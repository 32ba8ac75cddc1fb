// The sandbox registry's keys and values in memory.
//
// Names of keys and of values compare without regard to letter case, as on
// Windows, and keep the spelling they were first given. Children and values are
// kept in the order of their folded names, so the saved file is stable.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace vorna::platform {

/// A name folded for comparison: ASCII letters upper-cased, other bytes kept.
std::string FoldName(const std::string& name);

/// One registry value: its name as written (empty = the default value), kind and bytes.
struct RegValue {
  std::string name;
  RegType type = RegType::None;
  std::vector<uint8_t> data;
};

class RegNode {
 public:
  explicit RegNode(std::string name) : name_(std::move(name)) {}

  const std::string& name() const { return name_; }
  /// The child of that name (any case), or nullptr.
  RegNode* Child(const std::string& name) const;
  /// The child of that name, added when missing.
  RegNode* AddChild(const std::string& name);
  /// Removes the child of that name and everything below it.
  void RemoveChild(const std::string& name);
  /// The value of that name (any case), or nullptr.
  const RegValue* Value(const std::string& name) const;
  /// Stores a value, replacing one of the same name (the first spelling stays).
  void SetValue(RegValue value);
  void RemoveValue(const std::string& name);

  const std::map<std::string, std::unique_ptr<RegNode>>& children() const { return children_; }
  const std::map<std::string, RegValue>& values() const { return values_; }

 private:
  std::string name_;
  std::map<std::string, std::unique_ptr<RegNode>> children_;  // by folded name
  std::map<std::string, RegValue> values_;                    // by folded name
};

/// The five root keys with their names as key paths spell them.
class RegTree {
 public:
  RegTree();

  /// The root node for a root key, or nullptr for a value that names none.
  RegNode* Root(RootKey root) const;
  /// The root node whose name ("HKEY_CURRENT_USER", any case) is given, or nullptr.
  RegNode* RootByName(const std::string& name) const;
  /// Every root key in the order files list them.
  static const std::vector<RootKey>& RootKeys();
  /// Forgets every key and value.
  void Clear();

 private:
  std::map<RootKey, std::unique_ptr<RegNode>> roots_;
};

}  // namespace vorna::platform
