// Where the install data of a program file ends, and whether it is whole.
//
// A setup is the runtime's program image with the container, the file set
// and the 16-byte trailer appended. A code signature adds a certificate
// table behind all of that (the security directory of the PE headers names
// its file offset), and the signing tool pads the file with up to 7 zero
// bytes first so that the table starts at a multiple of 8. The trailer is
// therefore looked for at the end of the signed region: just before the
// certificate table, with only that padding between, or at the end of the
// file when there is no table. Nothing inside or after the certificate
// table is ever read: the signature does not cover it, so anyone could put
// data there without breaking it.
//
// A file can be:
// - a setup: its trailer is where it belongs and points inside the region
//   before it;
// - a bare runtime: nothing follows the program image (but perhaps its
//   signature); its start-up control entry and modules are plain files;
// - damaged: data follows the image but no valid trailer does (a truncated
//   download, a file damaged on the way, data after the certificate table),
//   or the file is shorter than its own image. It must not run at all.
//
// A file that is no PE program (the packer's tests use stand-ins) is a setup
// when its last 16 bytes are a trailer, and a bare runtime otherwise, unless
// it begins as a program ("MZ") and so must be one cut short.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "installdata/trailer.h"

namespace vorna {

namespace platform {
class File;
}

/// Reads size bytes at offset of the file being looked at; false when they
/// cannot all be read.
using ReadAt = std::function<bool(uint64_t offset, uint8_t* bytes, size_t size)>;

/// What a program file holds.
enum class ImageKind { Setup, BareRuntime, Damaged };

/// The certificate table of a signed program file (size 0 when unsigned).
struct CertificateTable {
  uint64_t offset = 0;
  uint64_t size = 0;
  /// Where the security directory entry that names the table lies in the
  /// file (0 when the headers have none).
  uint64_t entryAt = 0;
};

struct ImageLayout {
  ImageKind kind = ImageKind::BareRuntime;
  /// The trailer of a setup.
  Trailer trailer;
  /// Where the trailer of a setup starts: its install data ends there.
  uint64_t trailerOffset = 0;
  /// Where the program image ends (the file's size when it is no PE).
  uint64_t imageEnd = 0;
  CertificateTable certificates;
  /// Why the file is damaged, in a few words; empty otherwise.
  std::string problem;
};

/// Looks at a file of size bytes through read.
ImageLayout InspectImage(const ReadAt& read, uint64_t size);

/// Looks at an open file (leaving its file pointer anywhere); an unreadable
/// file is damaged.
ImageLayout InspectImageFile(platform::File& file);

/// The message shown when the runtime's own file is damaged.
constexpr const char* kDamagedSetupText =
    "The setup file is damaged or incomplete. Please download it again.";

}  // namespace vorna
