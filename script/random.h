// The pseudo-random generator behind RND and RANDOMIZE.
//
// It is the linear congruential generator that the Windows C runtime documents
// for rand() (state = state * 214013 + 2531011, the result bits 16 to 30 of
// the state), implemented here so that every build, on every host, gives the
// same sequence. Each thread keeps its own state, which starts as if seeded
// with 1: a script that never runs RANDOMIZE sees the same numbers on every run.
#pragma once

#include <cstdint>

namespace vorna {

/// The largest number NextRandom answers.
constexpr int32_t kRandomMax = 32767;

/// Restarts the calling thread's sequence from seed (RANDOMIZE).
void SeedRandom(uint32_t seed);

/// The next number of the calling thread's sequence, 0 to kRandomMax.
int32_t NextRandom();

}  // namespace vorna
