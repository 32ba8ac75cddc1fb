#include "script/random.h"

namespace vorna {

namespace {

thread_local uint32_t randomState = 1;

}  // namespace

void SeedRandom(uint32_t seed) {
  randomState = seed;
}

int32_t NextRandom() {
  // Unsigned arithmetic wraps modulo 2^32, exactly as the documented generator.
  randomState = randomState * 214013u + 2531011u;
  return static_cast<int32_t>((randomState >> 16) & 0x7FFFu);
}

}  // namespace vorna
