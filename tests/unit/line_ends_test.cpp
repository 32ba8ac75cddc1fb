#include "tools/pack/authoring/line_ends.h"

#include <gtest/gtest.h>

#include <string>

namespace vorna::authoring {
namespace {

std::string Normalised(const std::string& text, bool* changed = nullptr) {
  std::vector<uint8_t> bytes(text.begin(), text.end());
  bool result = NormaliseLineEnds(bytes);
  if (changed) *changed = result;
  return std::string(bytes.begin(), bytes.end());
}

TEST(LineEnds, BareLineFeedsBecomeCarriageReturnLineFeed) {
  bool changed = false;
  EXPECT_EQ(Normalised("A\nB\n", &changed), "A\r\nB\r\n");
  EXPECT_TRUE(changed);
  EXPECT_EQ(Normalised("\n\n"), "\r\n\r\n");
}

TEST(LineEnds, WindowsAndMixedTextKeepTheirCarriageReturns) {
  bool changed = true;
  EXPECT_EQ(Normalised("A\r\nB\r\n", &changed), "A\r\nB\r\n");
  EXPECT_FALSE(changed);
  EXPECT_EQ(Normalised("A\r\nB\nC\rD"), "A\r\nB\r\nC\rD");
  EXPECT_EQ(Normalised(""), "");
}

}  // namespace
}  // namespace vorna::authoring
