// The text form of numbers: the same digits on every platform.
//
// A number prints as its exact decimal value correctly rounded to 32
// decimals, with the trailing zeros and a bare decimal point trimmed. The
// expansion is computed here with integer arithmetic rather than by the C
// runtime, whose printf differs between platforms past 17 significant digits.
#pragma once

#include <string>

namespace vorna {

/// The fixed-notation text with 32 decimals that glibc's "%.32lf" prints:
/// exact, rounded half to even at the 32nd decimal; "inf", "-inf", "nan" or
/// "-nan" for the special values.
std::string FormatFixed32(double number);

/// FormatFixed32 with trailing zeros, then a trailing point, removed, in one
/// shared 2048-byte buffer that the next call overwrites.
const char* FormatNumber(double number);

}  // namespace vorna
