// The adaptive Huffman model shared by the file-set decoder and the packer's
// encoder: a tree of at most 515 nodes over 258 symbols (the 256 byte values,
// the end-of-stream symbol and the escape symbol) that both sides update in
// lockstep after every byte.
//
// Nodes are kept in sibling order: node 0 is the root and weights never
// increase with the index, so a node's code is found by walking from the root
// (bit 0 to the first child, bit 1 to the second, which always follows it).
// The tree lives in flat arrays because walking it is the hot loop of an install.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vorna {

class HuffmanModel {
 public:
  static constexpr int kEndOfStream = 256;
  static constexpr int kEscape = 257;
  static constexpr int kSymbols = 258;
  static constexpr int kMaxNodes = 2 * kSymbols - 1;  // 515
  static constexpr uint32_t kRebuildWeight = 0x8000;

  /// Builds the initial tree: the root over end-of-stream and escape.
  HuffmanModel() { Reset(); }

  /// Returns to the initial tree (done for every file record).
  void Reset();

  /// True when node is a leaf.
  bool IsLeaf(int node) const { return child_[node] < 0; }
  /// The symbol of a leaf node.
  int SymbolOf(int node) const { return -1 - child_[node]; }
  /// The first child of an inner node (the second is the next index).
  int FirstChild(int node) const { return child_[node]; }
  /// The raw child field: a first child index, or -1 - symbol for a leaf.
  const int32_t* children() const { return child_; }
  int Parent(int node) const { return parent_[node]; }
  uint32_t Weight(int node) const { return weight_[node]; }
  /// The leaf of symbol, or -1 while the symbol has not occurred.
  int LeafOf(int symbol) const { return leaf_[symbol]; }
  int nextFree() const { return nextFree_; }

  /// True when a leaf for byte value c can still be added: c has none and the
  /// table has room. A stream that escapes a byte already in the tree is damaged.
  bool CanAdd(int c) const { return leaf_[c] < 0 && nextFree_ + 2 <= kMaxNodes; }
  /// Splits the lightest leaf to hang a weight-0 leaf for byte value c (CanAdd must hold).
  void Add(int c);
  /// Counts one more occurrence of byte value c, keeping the sibling order;
  /// halves every weight first when the root has reached kRebuildWeight.
  void Update(int c);
  /// Update for the byte whose leaf is leaf, when no rebuild is due
  /// (UpdatesBeforeRebuild() > 0): the decoder has the leaf from its walk.
  void UpdateLeaf(int leaf) { Climb(leaf); }
  /// Updates left before the one that rebuilds the tree.
  uint32_t UpdatesBeforeRebuild() const { return kRebuildWeight - weight_[0]; }
  /// Halves the leaf weights (rounding up) and rebuilds the inner nodes.
  void Rebuild();

  /// Starts a new watch: TopChanged() tells whether, since, a swap has
  /// moved a node marked with Watch, or the tree was rebuilt or reset. Adding
  /// a leaf is not reported: it turns the lightest leaf into an inner node,
  /// which a walk reaching it simply goes on from. The decoder keeps a table
  /// of the top of the tree that stays valid while the inner nodes it passes
  /// through keep their children.
  void StartWatch() {
    if (++watchRound_ == 0) {  // the marks of 65535 watches ago would match
      for (uint16_t& mark : watchMark_) mark = 0;
      watchRound_ = 1;
    }
    topChanged_ = false;
  }
  /// Marks node as watched until the next StartWatch.
  void Watch(int node) { watchMark_[node] = watchRound_; }
  /// True once a watched node has changed since StartWatch.
  bool TopChanged() const { return topChanged_; }

 private:
  void Swap(ptrdiff_t i, ptrdiff_t j);
  /// Moves a node whose weight has just become weight in front of the nodes
  /// now lighter than it; returns its new index.
  // Out of line: the climb then keeps to its few instructions per level.
  ptrdiff_t MoveToFront(ptrdiff_t node, uint32_t weight);
  /// Counts one more occurrence at node (not the root) and each node above it.
  void Climb(ptrdiff_t node);
  void LinkChildren(int node);

  uint32_t weight_[kMaxNodes];
  int32_t parent_[kMaxNodes];
  int32_t child_[kMaxNodes];  // first child index, or -1 - symbol for a leaf
  int32_t leaf_[kSymbols];
  int nextFree_;
  uint16_t watchMark_[kMaxNodes] = {};  // watchRound_ on the nodes watched
  uint16_t watchRound_ = 1;
  bool topChanged_ = true;
};

// The climb runs once per decoded byte and level: inline, for the hot loop.
inline void HuffmanModel::Climb(ptrdiff_t node) {
  // The root never moves, so the walk stops below it and counts it last.
  // The node to start from is never the root: a leaf.
  do {
    uint32_t weight = weight_[node] + 1;
    weight_[node] = weight;
    // Mostly the node is still no heavier than the one before it.
    if (weight_[node - 1] < weight) node = MoveToFront(node, weight);
    node = parent_[node];
  } while (node > 0);
  ++weight_[0];
}

inline void HuffmanModel::Update(int c) {
  if (weight_[0] == kRebuildWeight) Rebuild();
  if (leaf_[c] > 0) {
    Climb(leaf_[c]);
  } else {
    ++weight_[0];  // a byte without a leaf: only the total counts it
  }
}

}  // namespace vorna
