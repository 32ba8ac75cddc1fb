// Text between the host and the code page: conversions both ways, upper
// case, the packer's printable names, text entries and their line ends.
#include "platform/code_page.h"

#include <gtest/gtest.h>

#include "tools/pack/authoring/host_names.h"
#include "tools/pack/authoring/line_ends.h"

namespace vorna::platform {
namespace {

TEST(CodePage, EveryByteRoundTripsThroughUtf8) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
  std::string utf8 = AnsiToUtf8(all);
  EXPECT_TRUE(IsValidUtf8(utf8));
  EXPECT_EQ(Utf8ToAnsi(utf8).value_or("<none>"), all);
  EXPECT_EQ(AnsiToUtf8("\x80\x9F\xE9"), "\xE2\x82\xAC\xC5\xB8\xC3\xA9");  // € Ÿ é
  EXPECT_EQ(AnsiToUtf8("\x81"), "\xC2\x81");  // unassigned: the C1 control of its number
}

TEST(CodePage, RefusesWhatTheCodePageCannotHoldOrWhatIsNotUtf8) {
  struct Case {
    const char* text;
    const char* problem;
  } cases[] = {
      {"\xE4\xB8\xAD", "the character U+4E2D"},
      {"ok \xE2\x86\x92", "the character U+2192"},
      {"\xF0\x9F\x98\x80", "the character U+1F600"},
      {"\xC3", "bytes that are not UTF-8"},          // cut short
      {"\xC0\xAF", "bytes that are not UTF-8"},      // overlong "/"
      {"\xED\xA0\x80", "bytes that are not UTF-8"},  // a surrogate
      {"\xE9t\xE9", "bytes that are not UTF-8"},     // Windows-1252 already
      {"\xF4\x90\x80\x80", "bytes that are not UTF-8"},
  };
  for (const Case& c : cases) {
    std::string problem;
    EXPECT_FALSE(Utf8ToAnsi(c.text, &problem)) << c.text;
    EXPECT_EQ(problem, c.problem) << c.text;
  }
}

TEST(CodePage, UpperCaseCoversTheWholeCodePage) {
  EXPECT_TRUE(SameAnsiName("caf\xE9 \x9A\x9C\x9E\xFF", "CAF\xC9 \x8A\x8C\x8E\x9F"));
  EXPECT_FALSE(SameAnsiName("\xF7", "\xD7"));  // division and multiplication signs differ
  EXPECT_FALSE(SameAnsiName("a", "ab"));
}

TEST(PrintableNames, ControlCharactersAreSpelledOut) {
  EXPECT_EQ(authoring::Printable("plain \xE9.txt"), "plain \xC3\xA9.txt");
  EXPECT_EQ(authoring::Printable("a\x1B[2Jb\x7F\x9D\x07"), "a\\x1B[2Jb\\x7F\\x9D\\x07");
}

// The conversion of a UTF-8 script and the refusal of a character
// Windows-1252 cannot hold are in tests/runner/pack_host_boundary_test.sh.
TEST(PrintableNames, TextEntriesLoseTheByteOrderMarkAndWindows1252IsKept) {
  std::string utf8 = "\xEF\xBB\xBF\xC3\xBC";
  EXPECT_EQ(authoring::ConvertTextEntry("A.BAS", utf8), authoring::TextConversion::FromUtf8);
  EXPECT_EQ(utf8, "\xFC");
  std::string ansi = "Gr\xFC\xDF";
  EXPECT_EQ(authoring::ConvertTextEntry("A.BAS", ansi), authoring::TextConversion::Unchanged);
  EXPECT_EQ(ansi, "Gr\xFC\xDF");
}

std::string Normalised(const std::string& text, bool* changed = nullptr) {
  std::vector<uint8_t> bytes(text.begin(), text.end());
  bool result = authoring::NormaliseLineEnds(bytes);
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
}  // namespace vorna::platform
