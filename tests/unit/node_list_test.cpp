#include "values/node_list.h"

#include <gtest/gtest.h>

namespace vorna {
namespace {

// Counts destructions so tests can see that the list frees through the
// node's own destructor.
struct CountingNode : NamedNode {
  explicit CountingNode(int* destroyed, const char* name = nullptr) : destroyed_(destroyed) {
    if (name) SetName(name);
  }
  ~CountingNode() override { ++*destroyed_; }
  int* destroyed_;
};

TEST(NodeList, NamesAreCopiedAndFoundExactlyAndNamelessNodesSkipped) {
  int destroyed = 0;
  NodeList list;
  EXPECT_EQ(list.FindByName("ABC"), nullptr);
  list.Append(new CountingNode(&destroyed));
  list.Append(new CountingNode(&destroyed, "abc"));
  list.Append(new CountingNode(&destroyed, "ABCD"));
  EXPECT_EQ(list.FindByName("ABC"), nullptr);
  EXPECT_EQ(list.FindByName(""), nullptr);
  NamedNode* found = list.FindByName("ABCD");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(list.cursor(), found);
  EXPECT_EQ(list.count(), 3);
  // A node keeps a private copy of its name.
  char text[] = "FIRST";
  CountingNode node(&destroyed);
  EXPECT_EQ(node.name(), nullptr);
  node.SetName(text);
  text[0] = 'X';
  EXPECT_STREQ(node.name(), "FIRST");
  node.SetName("SECOND");
  EXPECT_STREQ(node.name(), "SECOND");
}

TEST(NodeList, AppendMovesAnAlreadyLinkedNodeToTheEnd) {
  int destroyed = 0;
  NodeList list;
  auto* only = new CountingNode(&destroyed, "A");
  list.Append(only);
  list.Append(only);
  EXPECT_EQ(list.count(), 1);
  EXPECT_EQ(list.head(), only);
  EXPECT_EQ(only->next(), nullptr);

  auto* second = new CountingNode(&destroyed, "B");
  list.Append(second);
  list.Append(only);
  EXPECT_EQ(list.head(), second);
  EXPECT_EQ(second->next(), only);
  EXPECT_EQ(only->next(), nullptr);
  EXPECT_EQ(list.count(), 2);
  EXPECT_EQ(list.cursor(), list.head());
}

TEST(NodeList, UnlinkCountsOnlyLinkedNodes) {
  int destroyed = 0;
  NodeList list;
  auto* a = new CountingNode(&destroyed, "A");
  auto* b = new CountingNode(&destroyed, "B");
  auto* c = new CountingNode(&destroyed, "C");
  list.Append(a);
  list.Append(b);
  list.Append(c);
  CountingNode stranger(&destroyed, "X");
  list.Unlink(&stranger);
  EXPECT_EQ(list.count(), 3);
  list.Unlink(b);
  EXPECT_EQ(list.count(), 2);
  EXPECT_EQ(a->next(), c);
  list.Unlink(a);
  EXPECT_EQ(list.count(), 1);
  EXPECT_EQ(list.head(), c);
  delete a;
  delete b;
  EXPECT_EQ(destroyed, 2);
}

TEST(NodeList, ClearAndDestructionFreeEveryNode) {
  int destroyed = 0;
  {
    NodeList list;
    for (int i = 0; i < 5; ++i) list.Append(new CountingNode(&destroyed, "N"));
    list.Clear();
    EXPECT_EQ(destroyed, 5);
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.head(), nullptr);
    list.Append(new CountingNode(&destroyed));
  }
  EXPECT_EQ(destroyed, 6);
}

}  // namespace
}  // namespace vorna
