// Prints the text form of a fixed list of numbers, one per line. Built for
// Linux and for Windows; format_number.sh runs both and compares, to prove
// that printed numbers do not depend on the platform's C runtime.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

#include "values/format_number.h"

namespace {

double FromBits(uint64_t bits) {
  double number;
  std::memcpy(&number, &bits, sizeof number);
  return number;
}

void Print(double number) {
  std::printf("%s\n", vorna::FormatNumber(number));
}

}  // namespace

int main() {
  const double fixed[] = {3,
                          2.5,
                          -0.25,
                          0.1,
                          double(0.1f),
                          1e20,
                          -0.0,
                          1.0 / 3,
                          std::ldexp(1.0, -33),
                          3 * std::ldexp(1.0, -33),
                          123456789.123456789,
                          std::numeric_limits<double>::max(),
                          std::numeric_limits<double>::min(),
                          std::numeric_limits<double>::denorm_min(),
                          std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(),
                          std::numeric_limits<double>::quiet_NaN()};
  for (double number : fixed) Print(number);
  // mt19937_64 is specified exactly, so both builds walk the same numbers.
  std::mt19937_64 random(7);
  for (int i = 0; i < 500; ++i) Print(FromBits(random()));
  for (int i = 0; i < 500; ++i) Print(std::ldexp(double(random() >> 11), -int(random() % 120)));
  return 0;
}
