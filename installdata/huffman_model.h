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
  /// Halves the leaf weights (rounding up) and rebuilds the inner nodes.
  void Rebuild();

 private:
  void Swap(int i, int j);
  void LinkChildren(int node);

  uint32_t weight_[kMaxNodes];
  int32_t parent_[kMaxNodes];
  int32_t child_[kMaxNodes];  // first child index, or -1 - symbol for a leaf
  int32_t leaf_[kSymbols];
  int nextFree_;
};

// Update and Swap run once per decoded byte and level: inline, for the hot loop.
inline void HuffmanModel::Swap(int i, int j) {
  // Whatever hangs below each node now hangs below the other index.
  if (IsLeaf(i)) {
    leaf_[SymbolOf(i)] = j;
  } else {
    parent_[child_[i]] = parent_[child_[i] + 1] = j;
  }
  if (IsLeaf(j)) {
    leaf_[SymbolOf(j)] = i;
  } else {
    parent_[child_[j]] = parent_[child_[j] + 1] = i;
  }
  uint32_t weight = weight_[i];
  weight_[i] = weight_[j];
  weight_[j] = weight;
  int32_t child = child_[i];
  child_[i] = child_[j];
  child_[j] = child;
}

inline void HuffmanModel::Update(int c) {
  if (weight_[0] == kRebuildWeight) Rebuild();
  // The root never moves, so the walk stops below it and counts it last.
  int node = leaf_[c];
  while (node > 0) {
    uint32_t weight = ++weight_[node];
    // The node moves to the front of the run of nodes now lighter than it;
    // mostly there is none, so the scan starts only when there is.
    if (weight_[node - 1] < weight) {
      int target = node - 1;
      while (target > 0 && weight_[target - 1] < weight) --target;
      Swap(node, target);
      node = target;
    }
    node = parent_[node];
  }
  ++weight_[0];
}

}  // namespace vorna
