// Numbers read from text, as CDBL, CINT, CLNG, VAL and INPUT # read them:
// leading white space skipped, then the longest leading part that reads as a
// decimal number; a text without one reads as 0.
//
// Only plain decimal notation is accepted (sign, digits, point, exponent), so
// that every build reads the same number from the same text: the hexadecimal,
// "inf" and "nan" forms that some C runtimes accept are not numbers here.
#pragma once

#include <cstdint>

namespace vorna {

/// The decimal number at the start of text: [sign] digits [. digits]
/// [E [sign] digits], or ". digits"; 0 when there is none.
double ReadDecimal(const char* text);

/// The whole decimal number at the start of text: [sign] digits, wrapping
/// modulo 2^64 as it grows; 0 when there is none.
int64_t ReadWholeDecimal(const char* text);

}  // namespace vorna
