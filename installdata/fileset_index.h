// The index of a file set: where each record starts, so that records can be
// decoded on several threads at once.
//
// The packer stores it as a container entry that older readers never look
// up: a count and then one offset per record (unsigned 32-bit little-endian
// each), measured from the start of the file set (its set total). It is only
// a hint: a reader checks every offset against where the records really
// start before it trusts a record decoded from it, and an entry that is cut
// short, out of order or points outside the set counts as absent, so that a
// damaged index can cost speed, never a wrong byte.
#pragma once

#include <cstdint>
#include <vector>

namespace vorna {

class ContainerReader;

/// The name of the container entry that holds the index.
constexpr char kIndexEntryName[] = "~FILESET.INDEX";

/// The entry's bytes for the record offsets (each from the set's start).
std::vector<uint8_t> EncodeFileSetIndex(const std::vector<uint32_t>& offsets);

/// The record offsets an entry's bytes hold for a set of setLength bytes;
/// empty when the bytes are no well-formed index of such a set.
std::vector<uint32_t> DecodeFileSetIndex(const std::vector<uint8_t>& bytes, uint64_t setLength);

/// The index of the file set whose container reader reads, for a set of
/// setLength bytes; empty when there is none or it is damaged.
std::vector<uint32_t> ReadFileSetIndex(ContainerReader& reader, uint64_t setLength);

}  // namespace vorna
