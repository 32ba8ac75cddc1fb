// The record of the last script error, which the ERR object reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vorna {

/// Longest texts the record keeps; longer ones are cut.
constexpr size_t kMaxErrorMessageLength = 127;
constexpr size_t kMaxErrorTextLength = 255;

/// Overwritten by each recorded error; nothing clears it.
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
  /// The failing line's number in its module's text, counted from 1; 0 when
  /// no line was current.
  int32_t line = 0;
};

}  // namespace vorna
