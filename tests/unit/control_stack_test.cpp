// The activation's control stack: bounded, and quiet at both ends.
#include "script/control_stack.h"

#include <gtest/gtest.h>

namespace vorna {
namespace {

TEST(ControlStack, PushPeekPop) {
  ControlStack stack;
  EXPECT_EQ(stack.Peek(), nullptr);
  stack.Pop();  // nothing to remove: nothing happens
  EXPECT_EQ(stack.count(), 0);
  ControlEntry entry;
  entry.kind = ControlKind::For;
  entry.offset = 4;
  entry.words[2] = 9;
  entry.name = std::string(40, 'N');
  stack.Push(entry);
  ASSERT_NE(stack.Peek(), nullptr);
  EXPECT_EQ(stack.Peek()->kind, ControlKind::For);
  EXPECT_EQ(stack.Peek()->words[2], 9);
  EXPECT_EQ(stack.Peek()->name.size(), 31u);
  stack.Pop();
  EXPECT_EQ(stack.count(), 0);
}

TEST(ControlStack, AFullStackIgnoresPushes) {
  ControlStack stack;
  ControlEntry entry;
  for (int32_t i = 0; i < ControlStack::kCapacity + 5; ++i) {
    entry.offset = i;
    stack.Push(entry);
  }
  EXPECT_EQ(stack.count(), ControlStack::kCapacity);
  EXPECT_EQ(stack.Peek()->offset, ControlStack::kCapacity - 1);
}

}  // namespace
}  // namespace vorna
