#include "installdata/record_decoder.h"

#include "installdata/deflate_decoder.h"
#include "installdata/fileset_stream.h"
#include "installdata/huffman_decoder.h"

namespace vorna {

namespace {

// A Huffman record ends inside a byte; the rest of that byte is padding.
class HuffmanRecordDecoder : public RecordDecoder {
 public:
  DecodeResult Decode(FileSetStream& stream, uint64_t limit, DecodeOutput& output) override {
    DecodeResult result = decoder_.Decode(stream, limit, output);
    stream.Align();
    return result;
  }

 private:
  HuffmanDecoder decoder_;
};

// What a codec this runtime does not know gets: every record is damage, so
// nothing is ever written from data that cannot be read.
class RefusingDecoder : public RecordDecoder {
 public:
  DecodeResult Decode(FileSetStream&, uint64_t, DecodeOutput&) override {
    return {DecodeStatus::BadData, 0};
  }
};

}  // namespace

std::unique_ptr<RecordDecoder> MakeRecordDecoder(FileSetCodec codec) {
  switch (codec) {
    case FileSetCodec::Huffman:
      return std::make_unique<HuffmanRecordDecoder>();
    case FileSetCodec::Deflate:
      return std::make_unique<DeflateDecoder>();
    case FileSetCodec::Unknown:
      break;
  }
  return std::make_unique<RefusingDecoder>();
}

}  // namespace vorna
