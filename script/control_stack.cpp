#include "script/control_stack.h"

namespace vorna {

namespace {

constexpr size_t kMaxNameLength = 31;

}  // namespace

void ControlStack::Push(const ControlEntry& entry) {
  if (count() >= kCapacity) return;
  entries_.push_back(entry);
  if (entries_.back().name.size() > kMaxNameLength) entries_.back().name.resize(kMaxNameLength);
}

ControlEntry* ControlStack::Peek() {
  return entries_.empty() ? nullptr : &entries_.back();
}

void ControlStack::Pop() {
  if (!entries_.empty()) entries_.pop_back();
}

}  // namespace vorna
