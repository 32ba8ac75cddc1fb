#include "installdata/deflate_decoder.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "installdata/fileset_stream.h"

namespace vorna {

// The zlib stream, set up once and reset for every record.
struct DeflateDecoder::Inflater {
  z_stream z;
  bool ready = false;
  Inflater() {
    std::memset(&z, 0, sizeof z);
    // Negative window bits: a raw stream, without zlib's header and check.
    ready = inflateInit2(&z, -MAX_WBITS) == Z_OK;
  }
  ~Inflater() {
    if (ready) inflateEnd(&z);
  }
};

// One record's decode: what is left of its packed bytes and what was handed on.
struct DeflateDecoder::Record {
  FileSetStream& stream;
  DecodeOutput& output;
  uint64_t limit;
  uint64_t packedLeft = 0;  // packed bytes not yet given to the inflater
  uint32_t check = 0;       // the CRC-32 the data must have
  uLong crc = crc32(0, nullptr, 0);
  DecodeResult result = {};
};

DeflateDecoder::DeflateDecoder()
    : inflater_(std::make_unique<Inflater>()), buffer_(new uint8_t[kBufferSize]) {}

DeflateDecoder::~DeflateDecoder() = default;

namespace {

uint32_t LittleEndian32(const uint8_t* bytes) {
  return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

DecodeStatus Shortage(const FileSetStream& stream) {
  return stream.failed() ? DecodeStatus::ReadError : DecodeStatus::EndOfData;
}

}  // namespace

DecodeResult DeflateDecoder::Decode(FileSetStream& stream, uint64_t limit, DecodeOutput& output) {
  Record record{stream, output, limit};
  if (!inflater_->ready || inflateReset(&inflater_->z) != Z_OK) {
    record.result.status = DecodeStatus::BadData;
    return record.result;
  }
  inflater_->z.avail_in = 0;
  stream.Align();
  uint8_t fields[8];
  stream.ReadBlock(fields, sizeof fields);
  if (stream.AtEnd() || stream.failed()) {
    record.result.status = Shortage(stream);
    return record.result;
  }
  record.packedLeft = LittleEndian32(fields);
  record.check = LittleEndian32(fields + 4);
  while (Inflate(record)) {
  }
  return record.result;
}

bool DeflateDecoder::Feed(Record& record) {
  const uint8_t* bytes = nullptr;
  size_t most = static_cast<size_t>(std::min<uint64_t>(record.packedLeft, UINT32_MAX));
  size_t got = record.stream.ReadSpan(&bytes, most);
  if (got == 0) {
    // The packed size is used up, or the set ends inside the record.
    record.result.status =
        record.packedLeft == 0 ? DecodeStatus::EndOfData : Shortage(record.stream);
    return false;
  }
  record.packedLeft -= got;
  inflater_->z.next_in = const_cast<Bytef*>(bytes);
  inflater_->z.avail_in = static_cast<uInt>(got);
  return true;
}

bool DeflateDecoder::Inflate(Record& record) {
  z_stream& z = inflater_->z;
  if (z.avail_in == 0 && !Feed(record)) return false;
  z.next_out = buffer_.get();
  z.avail_out = static_cast<uInt>(kBufferSize);
  int code = inflate(&z, Z_NO_FLUSH);
  size_t produced = kBufferSize - z.avail_out;
  // Without progress on data in hand (zlib never stalls so) the decode
  // could only spin: that too is data that does not decode.
  bool stalled = code == Z_BUF_ERROR && z.avail_in != 0;
  if ((code != Z_OK && code != Z_STREAM_END && code != Z_BUF_ERROR) || stalled) {
    record.result.status = DecodeStatus::BadData;
    return false;
  }
  if (!Hand(record, produced)) return false;
  if (code != Z_STREAM_END) return true;
  Finish(record);
  return false;
}

void DeflateDecoder::Finish(Record& record) {
  if (inflater_->z.avail_in != 0 || record.packedLeft != 0) {
    record.result.status = DecodeStatus::TrailingData;
  } else if (record.crc != record.check) {
    record.result.status = DecodeStatus::CheckMismatch;
  }
}

bool DeflateDecoder::Hand(Record& record, size_t produced) {
  uint64_t room = record.limit - record.result.size;
  size_t handed = static_cast<size_t>(std::min<uint64_t>(produced, room));
  if (handed > 0 && !record.output.Put(buffer_.get(), handed)) {
    record.result.status = DecodeStatus::OutputFailed;
    return false;
  }
  record.result.size += handed;
  record.crc = crc32(record.crc, buffer_.get(), static_cast<uInt>(handed));
  if (handed < produced) {
    record.result.status = DecodeStatus::TooLong;
    return false;
  }
  return true;
}

}  // namespace vorna
