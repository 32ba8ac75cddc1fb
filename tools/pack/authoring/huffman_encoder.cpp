#include "tools/pack/authoring/huffman_encoder.h"

namespace vorna::authoring {

void BitWriter::Put(uint32_t value, int count) {
  uint64_t mask = count >= 32 ? 0xFFFFFFFFu : (uint64_t{1} << count) - 1;
  current_ = (current_ << count) | (value & mask);
  used_ += count;
  while (used_ >= 8) {
    used_ -= 8;
    out_.push_back(static_cast<uint8_t>(current_ >> used_));
  }
  current_ &= (uint64_t{1} << used_) - 1;
  bits_ += static_cast<uint64_t>(count);
}

void BitWriter::Align() {
  if (used_ == 0) return;
  out_.push_back(static_cast<uint8_t>(current_ << (8 - used_)));
  current_ = 0;
  used_ = 0;
}

void HuffmanEncoder::PutSymbolOf(int leaf, BitWriter& out) {
  // The code is the path from the root; collect it leaf first, emit it root first.
  uint8_t path[HuffmanModel::kMaxNodes];
  int length = 0;
  for (int node = leaf; model_.Parent(node) != -1; node = model_.Parent(node)) {
    path[length++] = static_cast<uint8_t>(node - model_.FirstChild(model_.Parent(node)));
  }
  while (length > 0) {
    int chunk = length < 32 ? length : 32;
    uint32_t code = 0;
    for (int i = 0; i < chunk; ++i) code = (code << 1) | path[--length];
    out.Put(code, chunk);
  }
}

void HuffmanEncoder::Encode(const uint8_t* data, size_t size, BitWriter& out) {
  model_.Reset();
  for (size_t i = 0; i < size; ++i) {
    int c = data[i];
    if (model_.LeafOf(c) < 0) {
      PutSymbolOf(model_.LeafOf(HuffmanModel::kEscape), out);
      out.Put(static_cast<uint32_t>(c), 8);
      model_.Add(c);
    } else {
      PutSymbolOf(model_.LeafOf(c), out);
    }
    model_.Update(c);
  }
  PutSymbolOf(model_.LeafOf(HuffmanModel::kEndOfStream), out);
  out.Align();
}

}  // namespace vorna::authoring
