#include "installdata/huffman_decoder.h"

#include "installdata/fileset_stream.h"

namespace vorna {

HuffmanDecoder::HuffmanDecoder() : buffer_(new uint8_t[kBufferSize]) {}

DecodeResult HuffmanDecoder::Decode(FileSetStream& stream, uint64_t limit, DecodeOutput& output) {
  model_.Reset();
  BitReader bits(stream);
  const int32_t* child = model_.children();
  uint8_t* buffer = buffer_.get();
  size_t fill = 0;
  DecodeResult result;
  // The bits stay in registers for the walk; the reader sees them again
  // only for the rare checks and at the end.
  BitReader::Window window = bits.Take();
  for (;;) {
    int node = 0;
    int32_t next;
    while ((next = child[node]) >= 0) {
      if (window.count == 0) window = bits.Refilled(window);
      node = next + static_cast<int>(window.bits >> 63);
      window.bits <<= 1;
      --window.count;
    }
    int symbol = -1 - next;
    if (symbol == HuffmanModel::kEscape) {
      if (window.count < 8) window = bits.Refilled(window);
      symbol = static_cast<int>(window.bits >> 56);
      window.bits <<= 8;
      window.count -= 8;
    }
    if (bits.MayBePastEnd()) {
      bits.Restore(window);
      if (bits.PastEnd()) {
        result.status = stream.failed() ? DecodeStatus::ReadError : DecodeStatus::EndOfData;
        break;
      }
    }
    if (symbol == HuffmanModel::kEndOfStream) break;
    if (next == -1 - HuffmanModel::kEscape) {
      if (!model_.CanAdd(symbol)) {
        result.status = DecodeStatus::BadEscape;
        break;
      }
      model_.Add(symbol);
    }
    if (result.size == limit) {
      result.status = DecodeStatus::TooLong;
      break;
    }
    buffer[fill++] = static_cast<uint8_t>(symbol);
    ++result.size;
    if (fill == kBufferSize) {
      if (!output.Put(buffer, fill)) {
        result.status = DecodeStatus::OutputFailed;
        bits.Restore(window);
        return result;
      }
      fill = 0;
    }
    model_.Update(symbol);
  }
  bits.Restore(window);
  if (fill > 0 && !output.Put(buffer, fill)) result.status = DecodeStatus::OutputFailed;
  return result;
}

}  // namespace vorna
