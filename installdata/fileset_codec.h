// Which codec packed the records of a file set.
//
// An image packed with the adaptive Huffman code (the original format) says
// nothing: it carries no codec entry. Any other codec is named by a small
// container entry that the readers look up in the container's directory (never
// as a plain file) before they read anything of the file set. A codec this
// runtime does not know makes the set unreadable: guessing would write garbage.
#pragma once

#include <string>

namespace vorna {

class ContainerReader;

enum class FileSetCodec {
  Huffman,  // one adaptive Huffman stream per record
  Deflate,  // per record: packed size, CRC-32 (4 bytes each), a raw deflate stream
  Unknown,  // named by the image, but not one this runtime reads
};

/// The name of the container entry that names the codec.
constexpr char kCodecEntryName[] = "~FILESET.CODEC";
/// How the entry spells each codec.
constexpr char kHuffmanCodecName[] = "huffman";
constexpr char kDeflateCodecName[] = "deflate";

/// The codec a name stands for (Unknown for any other name).
FileSetCodec CodecNamed(const std::string& name);

/// The codec of the install data file that reader reads.
FileSetCodec ReadFileSetCodec(ContainerReader& reader);

}  // namespace vorna
