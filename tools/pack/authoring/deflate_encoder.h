// The packer's side of the deflate records: the packed size and the data's
// CRC-32, then the data as one raw deflate stream at the best compression.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vorna::authoring {

/// Appends a deflate record's data for size bytes at data: the packed size
/// and the CRC-32 of the data (unsigned 32-bit little-endian each), then the
/// raw deflate stream. Throws std::runtime_error when zlib fails.
void AppendDeflated(const uint8_t* data, size_t size, std::vector<uint8_t>& out);

}  // namespace vorna::authoring
