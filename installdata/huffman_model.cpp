#include "installdata/huffman_model.h"

#include <cstring>

namespace vorna {

void HuffmanModel::Reset() {
  for (int32_t& leaf : leaf_) leaf = -1;
  weight_[0] = 2;
  parent_[0] = -1;
  child_[0] = 1;
  weight_[1] = 1;
  parent_[1] = 0;
  child_[1] = -1 - kEndOfStream;
  weight_[2] = 1;
  parent_[2] = 0;
  child_[2] = -1 - kEscape;
  leaf_[kEndOfStream] = 1;
  leaf_[kEscape] = 2;
  nextFree_ = 3;
  topChanged_ = true;
}

// Indices are pointer-sized here so that the hot loops never widen them.
void HuffmanModel::Swap(ptrdiff_t i, ptrdiff_t j) {
  // Whatever hangs below each node now hangs below the other index.
  ptrdiff_t childI = child_[i];
  ptrdiff_t childJ = child_[j];
  if (childI < 0) {
    leaf_[-1 - childI] = static_cast<int32_t>(j);
  } else {
    parent_[childI] = parent_[childI + 1] = static_cast<int32_t>(j);
  }
  if (childJ < 0) {
    leaf_[-1 - childJ] = static_cast<int32_t>(i);
  } else {
    parent_[childJ] = parent_[childJ + 1] = static_cast<int32_t>(i);
  }
  uint32_t weight = weight_[i];
  weight_[i] = weight_[j];
  weight_[j] = weight;
  child_[i] = static_cast<int32_t>(childJ);
  child_[j] = static_cast<int32_t>(childI);
}

ptrdiff_t HuffmanModel::MoveToFront(ptrdiff_t node, uint32_t weight) {
  ptrdiff_t target = node - 1;
  while (target > 0 && weight_[target - 1] < weight) --target;
  if (watchMark_[target] == watchRound_ || watchMark_[node] == watchRound_) topChanged_ = true;
  Swap(node, target);
  return target;
}

void HuffmanModel::LinkChildren(int node) {
  if (IsLeaf(node)) {
    leaf_[SymbolOf(node)] = node;
  } else {
    parent_[child_[node]] = node;
    parent_[child_[node] + 1] = node;
  }
}

void HuffmanModel::Add(int c) {
  int lightest = nextFree_ - 1;
  int split = nextFree_;
  int zero = nextFree_ + 1;
  nextFree_ += 2;
  weight_[split] = weight_[lightest];
  child_[split] = child_[lightest];
  parent_[split] = lightest;
  LinkChildren(split);
  child_[lightest] = split;
  weight_[zero] = 0;
  child_[zero] = -1 - c;
  parent_[zero] = lightest;
  leaf_[c] = zero;
}

void HuffmanModel::Rebuild() {
  topChanged_ = true;
  // Leaves to the end of the table, with their weights halved (rounding up).
  int j = nextFree_ - 1;
  for (int i = nextFree_ - 1; i >= 0; --i) {
    if (IsLeaf(i)) {
      weight_[j] = (weight_[i] + 1) / 2;
      child_[j] = child_[i];
      --j;
    }
  }
  // Inner nodes, each over the next two unpaired nodes, inserted in weight order.
  for (int i = nextFree_ - 2; j >= 0; i -= 2, --j) {
    uint32_t weight = weight_[i] + weight_[i + 1];
    int k = j + 1;
    while (k < nextFree_ && weight < weight_[k]) ++k;
    --k;
    std::memmove(&weight_[j], &weight_[j + 1], (k - j) * sizeof weight_[0]);
    std::memmove(&child_[j], &child_[j + 1], (k - j) * sizeof child_[0]);
    weight_[k] = weight;
    child_[k] = i;
  }
  for (int i = nextFree_ - 1; i >= 0; --i) LinkChildren(i);
  parent_[0] = -1;  // the root hangs below nothing
}

}  // namespace vorna
