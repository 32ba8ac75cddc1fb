#include "values/decimal_text.h"

#include <cstdlib>
#include <string>

#include "values/char_class.h"

namespace vorna {

namespace {

/// The white space that the C runtime's number readers skip.
bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

const char* SkipWhiteSpace(const char* text) {
  while (IsWhiteSpace(*text)) ++text;
  return text;
}

const char* SkipDigits(const char* text) {
  while (IsDigit(*text)) ++text;
  return text;
}

/// The end of the decimal number that starts at text, or text itself when none does.
const char* DecimalEnd(const char* text) {
  const char* at = text;
  if (*at == '+' || *at == '-') ++at;
  const char* digits = at;
  at = SkipDigits(at);
  bool hasDigits = at != digits;
  if (*at == '.') {
    const char* fraction = at + 1;
    const char* afterFraction = SkipDigits(fraction);
    hasDigits = hasDigits || afterFraction != fraction;
    if (hasDigits) at = afterFraction;
  }
  if (!hasDigits) return text;
  if (*at == 'E' || *at == 'e') {
    const char* exponent = at + 1;
    if (*exponent == '+' || *exponent == '-') ++exponent;
    const char* afterExponent = SkipDigits(exponent);
    if (afterExponent != exponent) at = afterExponent;
  }
  return at;
}

}  // namespace

double ReadDecimal(const char* text) {
  const char* start = SkipWhiteSpace(text);
  const char* end = DecimalEnd(start);
  if (end == start) return 0.0;
  // strtod gets exactly the decimal part, so no host-specific form can sneak in.
  std::string number(start, end);
  return std::strtod(number.c_str(), nullptr);
}

int64_t ReadWholeDecimal(const char* text) {
  const char* at = SkipWhiteSpace(text);
  bool negative = *at == '-';
  if (*at == '+' || *at == '-') ++at;
  uint64_t number = 0;
  for (; IsDigit(*at); ++at) number = number * 10u + static_cast<uint64_t>(*at - '0');
  if (negative) number = 0u - number;
  return static_cast<int64_t>(number);
}

}  // namespace vorna
