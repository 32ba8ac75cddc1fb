// Literals: quoted texts and decimal numbers. Kept apart from the recursive
// levels so that the literal buffer never sits in their stack frames.
#include "script/activation.h"
#include "script/evaluator.h"
#include "values/char_class.h"
#include "values/value.h"

namespace vorna {

namespace {

// Exponents beyond this give 0 or an infinity anyway; the cap keeps the
// accumulation of a long run of digits from overflowing.
constexpr int32_t kExponentCap = 100000;

// 10^exponent for a non-negative exponent: exact up to 10^22.
double PowerOfTen(int32_t exponent) {
  double power = 1.0;
  double factor = 10.0;
  // Binary powering: at most 17 squarings for the capped exponent.
  for (int32_t rest = exponent; rest > 0; rest >>= 1) {
    if (rest & 1) power *= factor;
    factor *= factor;
  }
  return power;
}

// mantissa × 10^exponent; a negative exponent divides, which gives the
// double nearest to a written decimal such as 0.3.
double Scale(double mantissa, int32_t exponent) {
  if (exponent >= 0) return mantissa * PowerOfTen(exponent);
  return mantissa / PowerOfTen(-exponent);
}

// Reads digits; each is accumulated into mantissa. Answers how many.
int32_t ReadDigits(StatementCursor& cursor, double& mantissa) {
  int32_t count = 0;
  while (IsDigit(cursor.current())) {
    mantissa = mantissa * 10.0 + (cursor.Take() - '0');
    ++count;
  }
  return count;
}

// The E part: an optional sign and digits; 0 when there is none.
int32_t ReadExponent(StatementCursor& cursor) {
  if (cursor.current() != 'E') return 0;
  cursor.Take();
  bool negative = false;
  if (cursor.current() == '+' || cursor.current() == '-') negative = cursor.Take() == '-';
  int32_t exponent = 0;
  while (IsDigit(cursor.current())) {
    int32_t digit = cursor.Take() - '0';
    if (exponent < kExponentCap) exponent = exponent * 10 + digit;
  }
  return negative ? -exponent : exponent;
}

// number -> [+ | -] digits [. digits] [E [+ | -] digits]
double ReadNumberLiteral(StatementCursor& cursor) {
  bool negative = false;
  if (cursor.current() == '+' || cursor.current() == '-') negative = cursor.Take() == '-';
  double mantissa = 0.0;
  ReadDigits(cursor, mantissa);
  int32_t fractionDigits = 0;
  if (cursor.current() == '.') {
    cursor.Take();
    fractionDigits = ReadDigits(cursor, mantissa);
  }
  int32_t exponent = ReadExponent(cursor) - fractionDigits;
  double value = Scale(mantissa, exponent);
  return negative ? -value : value;
}

}  // namespace

// literal -> '"' characters '"' | number
void ParseLiteral(Activation& activation, Value& out) {
  StatementCursor& cursor = activation.cursor();
  if (cursor.current() == '"') {
    LiteralBuffer text;
    cursor.ReadStringLiteral(text);
    out.SetString(text);
    return;
  }
  // A literal is a DOUBLE that converts into a typed receiver.
  out.SetDouble(ReadNumberLiteral(cursor));
}

}  // namespace vorna
