#include "tools/pack/authoring/deflate_encoder.h"

#include <zlib.h>

#include <cstring>
#include <stdexcept>

namespace vorna::authoring {

namespace {

constexpr int kMemoryLevel = 9;  // the most memory: a little better compression

// Deflates size bytes at data into out (sized by deflateBound); answers the
// bytes written.
size_t DeflateInto(const uint8_t* data, size_t size, uint8_t* out, size_t room) {
  z_stream z;
  std::memset(&z, 0, sizeof z);
  // Negative window bits: a raw stream, without zlib's header and check.
  if (deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, kMemoryLevel,
                   Z_DEFAULT_STRATEGY) != Z_OK) {
    throw std::runtime_error("zlib could not start a deflate stream");
  }
  z.next_in = const_cast<Bytef*>(data);
  z.avail_in = static_cast<uInt>(size);
  z.next_out = out;
  z.avail_out = static_cast<uInt>(room);
  int code = deflate(&z, Z_FINISH);
  size_t written = room - z.avail_out;
  deflateEnd(&z);
  if (code != Z_STREAM_END) throw std::runtime_error("zlib could not deflate a file");
  return written;
}

}  // namespace

void AppendDeflated(const uint8_t* data, size_t size, std::vector<uint8_t>& out) {
  if (size > UINT32_MAX) throw std::runtime_error("a file too large to deflate");
  size_t room = deflateBound(nullptr, static_cast<uLong>(size));
  size_t start = out.size();
  out.resize(start + 8 + room);
  size_t packed = DeflateInto(data, size, out.data() + start + 8, room);
  if (packed > UINT32_MAX) throw std::runtime_error("a file too large to deflate");
  uLong check = crc32(crc32(0, nullptr, 0), data, static_cast<uInt>(size));
  for (int i = 0; i < 4; ++i) {
    out[start + i] = static_cast<uint8_t>(packed >> (8 * i));
    out[start + 4 + i] = static_cast<uint8_t>(check >> (8 * i));
  }
  out.resize(start + 8 + packed);
}

}  // namespace vorna::authoring
