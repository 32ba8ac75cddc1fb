#include "platform/portable/portable_system.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>
#include <string>

#include "platform/portable/portable_console.h"

namespace vorna::platform {
namespace {

TEST(PortableSystemTest, EnvironmentNamesIgnoreCaseLikeWindows) {
  ASSERT_EQ(setenv("VORNA_TEST_Variable", "value", 1), 0);
  EXPECT_EQ(FindEnvironmentVariable("VORNA_TEST_Variable"), "value");
  EXPECT_EQ(FindEnvironmentVariable("vorna_test_variable"), "value");
  EXPECT_EQ(FindEnvironmentVariable("VORNA_TEST_VARIABLE"), "value");
  EXPECT_FALSE(FindEnvironmentVariable("VORNA_TEST_VARIABL"));
  EXPECT_FALSE(FindEnvironmentVariable(""));
  EXPECT_FALSE(FindEnvironmentVariable("VORNA_TEST_Variable=value"));
  unsetenv("VORNA_TEST_Variable");
  EXPECT_FALSE(FindEnvironmentVariable("vorna_test_variable"));
}

TEST(PortableSystemTest, ExitProcessRunsTheHooksAndEndsWithTheCode) {
  EXPECT_EXIT(
      {
        PortableSystem system;
        system.AtExit([] { std::fputs("second", stderr); });
        system.AtExit([] { std::fputs("first ", stderr); });
        system.ExitProcess(7);
      },
      testing::ExitedWithCode(7), "first second");
}

TEST(PortableConsoleTest, WritesAndReadsLinesWithEitherLineEnd) {
  std::FILE* out = std::tmpfile();
  std::FILE* in = std::tmpfile();
  std::fputs("one\r\ntwo\n\nlast", in);
  std::rewind(in);
  PortableConsole console(out, in);
  EXPECT_FALSE(console.IsOpen());
  EXPECT_TRUE(console.Open());
  EXPECT_TRUE(console.IsOpen());
  EXPECT_TRUE(console.Write("Hello\n"));
  EXPECT_EQ(console.ReadLine(), "one");
  EXPECT_EQ(console.ReadLine(), "two");
  EXPECT_EQ(console.ReadLine(), "");
  EXPECT_EQ(console.ReadLine(), "last");
  EXPECT_FALSE(console.ReadLine());
  console.Close();
  EXPECT_FALSE(console.IsOpen());
  std::rewind(out);
  EXPECT_EQ(ReadTextLine(out), "Hello");
  std::fclose(out);
  std::fclose(in);
}

}  // namespace
}  // namespace vorna::platform
