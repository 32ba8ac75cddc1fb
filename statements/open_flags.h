// OPEN's clauses as mode flags, and the flags as the access, sharing and
// creation of the file open that the platform performs.
#pragma once

#include <cstdint>

#include "platform/files.h"

namespace vorna {

class Activation;

/// How OPEN asks the platform to open a file.
struct OpenRequest {
  platform::Access access;
  platform::Share share;
  platform::Creation creation;
};

/// Reads [FOR mode] [ACCESS ...] [SHARED | LOCK ...] at the cursor into mode
/// flags. "Illegal Use" when FOR or ACCESS is not followed by a keyword,
/// "Invalid Use of Keyword" for a FOR keyword that names no mode.
uint32_t ReadOpenFlags(Activation& activation);

/// The open the flags ask for: read access for INPUT or ACCESS READ, write
/// access for OUTPUT or ACCESS WRITE (APPEND, BINARY and RANDOM grant none by
/// themselves); shared both ways unless a lock withholds a direction; the
/// file created when missing for every mode but INPUT, and never truncated.
OpenRequest MapOpenFlags(uint32_t flags);

}  // namespace vorna
