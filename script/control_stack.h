// The control stack of an activation: the open GOSUB, FOR, DO and WHILE
// blocks with the place to go back to.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorna {

class ProgramLine;

/// What an entry was pushed for.
enum class ControlKind : int32_t { Gosub = 1, For = 2, Do = 3, While = 4 };

struct ControlEntry {
  ControlKind kind = ControlKind::Gosub;
  /// The line to return to and the character offset in its text.
  ProgramLine* line = nullptr;
  int32_t offset = 0;
  /// Three words for the statement's own use.
  int32_t words[3] = {0, 0, 0};
  /// A name of up to 31 characters (the FOR variable).
  std::string name;
};

/// At most kCapacity entries. The entries live on the heap, so that an
/// activation stays small wherever it is kept.
class ControlStack {
 public:
  static constexpr int32_t kCapacity = 1024;

  /// Pushes entry; on a full stack nothing happens.
  void Push(const ControlEntry& entry);
  /// The top entry, or nullptr on an empty stack.
  ControlEntry* Peek();
  /// Removes the top entry; on an empty stack nothing happens.
  void Pop();
  int32_t count() const { return static_cast<int32_t>(entries_.size()); }

 private:
  std::vector<ControlEntry> entries_;
};

}  // namespace vorna
