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
  for (;;) {
    int node = 0;
    int32_t next;
    while ((next = child[node]) >= 0) node = next + static_cast<int>(bits.Bit());
    int symbol = -1 - next;
    if (symbol == HuffmanModel::kEscape) symbol = static_cast<int>(bits.Byte());
    if (bits.PastEnd()) {
      result.status = stream.failed() ? DecodeStatus::ReadError : DecodeStatus::EndOfData;
      break;
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
        return result;
      }
      fill = 0;
    }
    model_.Update(symbol);
  }
  if (fill > 0 && !output.Put(buffer, fill)) result.status = DecodeStatus::OutputFailed;
  return result;
}

}  // namespace vorna
