// The certificate table of a signed image, as vorna-pack verify checks it:
// every byte of it must belong to a signature. A signing tool writes one or
// more entries (length, revision, type, then the signature, a DER-encoded
// PKCS #7 structure), each padded with zeros to a multiple of 8 bytes.
// Bytes beyond that are covered by no signature and used by nobody: data
// hidden there is a sign that the file was changed after it was signed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorna::pack {

/// Empty when the table's bytes are all signature and padding; otherwise
/// why they are not ("the certificate table holds 4120 bytes beyond its
/// signature"). table holds the whole certificate table.
std::string CheckSignatureTable(const std::vector<uint8_t>& table);

}  // namespace vorna::pack
