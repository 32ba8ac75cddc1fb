// Byte counts as the install dialogs show them: "1023 bytes", "1 K",
// "12 MEG", "1.500000 GIG".
#pragma once

#include <cstdint>
#include <string>

namespace vorna {

/// The size text of a byte count: bytes below 1024, whole K below 1 MEG,
/// whole MEG below 1 GIG, and from 1 GIG on GIG with six decimals.
std::string FormatSizeText(uint64_t bytes);

}  // namespace vorna
