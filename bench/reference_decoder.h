// A straightforward decoder of the file-set code: one struct per node, bits
// read one call at a time through the stream's mask, each byte handed on as
// it is decoded. It is the obvious way to write it, kept outside the runtime
// as the yardstick of the benchmark and as the second opinion of the
// differential tests.
//
// It trusts its input except for the one fault that would write outside its
// node table (an escape for a byte that already has a leaf): it stops there.
#pragma once

#include <cstdint>
#include <utility>

#include "installdata/fileset_stream.h"

namespace vorna::reference {

enum class Ending { EndOfStream, BadEscape, EndOfData, Limit };

class ReferenceDecoder {
 public:
  /// Decodes symbols until end-of-stream (or a bad escape), calling put(byte)
  /// for each byte; returns how it ended, the byte count in *count. Bounded,
  /// it also stops at a symbol that used a bit from past the end of the data
  /// and before a byte beyond limit, as the runtime's decoder does; the
  /// benchmark times it unbounded, as the obvious decoder would be written.
  template <bool kBounded, typename Put>
  Ending Decode(FileSetStream& stream, Put&& put, uint64_t limit, uint64_t* count) {
    Init();
    *count = 0;
    for (;;) {
      int node = 0;
      while (!nodes_[node].leaf) node = nodes_[node].child + stream.ReadBit();
      int c = nodes_[node].child;
      if (c == kEscape) c = static_cast<int>(stream.ReadBits(8));
      if (kBounded && (stream.AtEnd() || stream.failed())) return Ending::EndOfData;
      if (c == kEnd) return Ending::EndOfStream;
      if (nodes_[node].child == kEscape) {
        if (leaves_[c] != -1) return Ending::BadEscape;
        AddNode(c);
      }
      if (kBounded && *count == limit) return Ending::Limit;
      put(c);
      ++*count;
      Update(c);
    }
  }

 private:
  static constexpr int kEnd = 256, kEscape = 257, kMax = 515;
  struct Node {
    unsigned weight;
    int parent;
    bool leaf;
    int child;
  };

  void Init() {
    for (int& leaf : leaves_) leaf = -1;
    nodes_[0] = {2, -1, false, 1};
    nodes_[1] = {1, 0, true, kEnd};
    nodes_[2] = {1, 0, true, kEscape};
    leaves_[kEnd] = 1;
    leaves_[kEscape] = 2;
    next_ = 3;
  }
  void AddNode(int c) {
    int lightest = next_ - 1, added = next_, zero = next_ + 1;
    next_ += 2;
    nodes_[added] = nodes_[lightest];
    nodes_[added].parent = lightest;
    leaves_[nodes_[added].child] = added;
    nodes_[lightest].leaf = false;
    nodes_[lightest].child = added;
    nodes_[zero] = {0, lightest, true, c};
    leaves_[c] = zero;
  }
  void Swap(int i, int j) {
    if (nodes_[i].leaf) {
      leaves_[nodes_[i].child] = j;
    } else {
      nodes_[nodes_[i].child].parent = nodes_[nodes_[i].child + 1].parent = j;
    }
    if (nodes_[j].leaf) {
      leaves_[nodes_[j].child] = i;
    } else {
      nodes_[nodes_[j].child].parent = nodes_[nodes_[j].child + 1].parent = i;
    }
    Node t = nodes_[i];
    nodes_[i] = nodes_[j];
    nodes_[j] = t;
    std::swap(nodes_[i].parent, nodes_[j].parent);
  }
  void Rebuild() {
    int j = next_ - 1;
    for (int i = j; i >= 0; --i) {
      if (nodes_[i].leaf) {
        nodes_[j] = nodes_[i];
        nodes_[j].weight = (nodes_[j].weight + 1) / 2;
        --j;
      }
    }
    for (int i = next_ - 2; j >= 0; i -= 2, --j) {
      unsigned w = nodes_[i].weight + nodes_[i + 1].weight;
      int k = j + 1;
      while (k < next_ && w < nodes_[k].weight) ++k;
      --k;
      for (int m = j; m < k; ++m) nodes_[m] = nodes_[m + 1];
      nodes_[k] = {w, 0, false, i};
    }
    for (int i = next_ - 1; i >= 0; --i) {
      if (nodes_[i].leaf) {
        leaves_[nodes_[i].child] = i;
      } else {
        nodes_[nodes_[i].child].parent = nodes_[nodes_[i].child + 1].parent = i;
      }
    }
    nodes_[0].parent = -1;
  }
  void Update(int c) {
    if (nodes_[0].weight == 0x8000) Rebuild();
    int node = leaves_[c];
    while (node != -1) {
      ++nodes_[node].weight;
      int target = node;
      while (target > 0 && nodes_[target - 1].weight < nodes_[node].weight) --target;
      if (target != node) {
        Swap(node, target);
        node = target;
      }
      node = nodes_[node].parent;
    }
  }

  Node nodes_[kMax];
  int leaves_[258];
  int next_ = 3;
};

}  // namespace vorna::reference
