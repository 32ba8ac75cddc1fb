// The record of the last script error, which the ERR object reads.
#pragma once

#include <cstdint>
#include <string>

namespace vorna {

/// Overwritten by each recorded error (filled by the error handling of the
/// run loop).
struct ErrorRecord {
  /// The table message followed by " Error".
  std::string message;
  /// The failing activation's statement text.
  std::string statement;
  /// The module's name, or "<GLOBAL>" without a module.
  std::string module;
  /// The activation's procedure name.
  std::string procedure;
  int32_t number = 0;
};

}  // namespace vorna
