// The packer's side of the adaptive Huffman code: the exact inverse of the
// runtime's decoder, driving the same model so that both sides agree bit for bit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "installdata/huffman_model.h"

namespace vorna::authoring {

/// Appends bits, most significant first, to a byte vector.
class BitWriter {
 public:
  explicit BitWriter(std::vector<uint8_t>& out) : out_(out) {}
  /// Appends the low count bits of value (count at most 32), the highest of them first.
  void Put(uint32_t value, int count);
  /// Pads the current byte with zero bits (the reader drops them).
  void Align();
  /// Bits written so far.
  uint64_t bits() const { return bits_; }

 private:
  std::vector<uint8_t>& out_;
  uint64_t current_ = 0;
  int used_ = 0;  // bits in current_, below 8 between calls
  uint64_t bits_ = 0;
};

class HuffmanEncoder {
 public:
  /// Appends the code of data, then the end-of-stream symbol, then pads to a byte.
  void Encode(const uint8_t* data, size_t size, BitWriter& out);

 private:
  void PutSymbolOf(int leaf, BitWriter& out);

  HuffmanModel model_;
};

}  // namespace vorna::authoring
