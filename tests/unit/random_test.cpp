// The random generator behind RND and RANDOMIZE: its seed and its state per
// thread (RND's exact scale and range are in functions/number_functions.bas).
#include "script/random.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace vorna {
namespace {

TEST(RandomTest, SeedingRestartsTheSequence) {
  SeedRandom(1);
  int32_t first = NextRandom();
  int32_t second = NextRandom();
  EXPECT_EQ(first, 41);
  EXPECT_EQ(second, 18467);
  SeedRandom(1);
  EXPECT_EQ(NextRandom(), first);
  SeedRandom(12345);
  EXPECT_NE(NextRandom(), first);
  // Another thread keeps its own state, untouched by this thread's seed, and
  // starts as if seeded with 1.
  std::vector<int32_t> other;
  std::thread([&] {
    for (int i = 0; i < 3; ++i) other.push_back(NextRandom());
  }).join();
  EXPECT_EQ(other, (std::vector<int32_t>{41, 18467, 6334}));
}

}  // namespace
}  // namespace vorna
