#include "host/startup/command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace vorna {
namespace {

TEST(CommandLineTest, EmptyLineRunsTheDefaultControlEntry) {
  for (const char* text : {"", "   ", "\t \t", static_cast<const char*>(nullptr)}) {
    CommandLine line = ParseCommandLine(text);
    EXPECT_EQ(line.startupSwitch, StartupSwitch::None);
    EXPECT_EQ(line.fileName, "STARTUP.CTL");
    EXPECT_EQ(line.refusal, "");
  }
}

TEST(CommandLineTest, SwitchThenNameAfterBlanks) {
  CommandLine line = ParseCommandLine("/s setup2.ctl");
  EXPECT_EQ(line.startupSwitch, StartupSwitch::Source);
  EXPECT_EQ(line.fileName, "setup2.ctl");
  EXPECT_EQ(line.refusal, "");
}

TEST(CommandLineTest, NameMayFollowTheSwitchLetterDirectly) {
  CommandLine line = ParseCommandLine("-dfoo.ctl");
  EXPECT_EQ(line.startupSwitch, StartupSwitch::Debug);
  EXPECT_EQ(line.fileName, "foo.ctl");
}

TEST(CommandLineTest, SwitchLettersAreCaseInsensitive) {
  EXPECT_EQ(ParseCommandLine("-D").startupSwitch, StartupSwitch::Debug);
  EXPECT_EQ(ParseCommandLine("/d").startupSwitch, StartupSwitch::Debug);
  EXPECT_EQ(ParseCommandLine("-S").startupSwitch, StartupSwitch::Source);
  EXPECT_EQ(ParseCommandLine("-D").fileName, "STARTUP.CTL");
}

TEST(CommandLineTest, HelpSwitchesRefuseWithNoArgumentsText) {
  for (const char* text : {"-?", "/?", "-h", "-H", "/H", "  -h setup.ctl"}) {
    CommandLine line = ParseCommandLine(text);
    EXPECT_EQ(line.startupSwitch, StartupSwitch::Help) << text;
    EXPECT_EQ(line.refusal, "No arguments available.") << text;
  }
}

TEST(CommandLineTest, UnknownSwitchQuotesTheRestOfTheLine) {
  CommandLine x = ParseCommandLine("-x");
  EXPECT_EQ(x.startupSwitch, StartupSwitch::Invalid);
  EXPECT_EQ(x.refusal, "Invalid command switch: x.");

  CommandLine xyz = ParseCommandLine("-xyz a");
  EXPECT_EQ(xyz.refusal, "Invalid command switch: xyz a.");

  EXPECT_EQ(ParseCommandLine("/1").refusal, "Invalid command switch: 1.");
}

TEST(CommandLineTest, LoneSwitchMarkIsRefusedWithoutReadingPastTheEnd) {
  CommandLine line = ParseCommandLine("-");
  EXPECT_EQ(line.startupSwitch, StartupSwitch::Invalid);
  EXPECT_EQ(line.refusal, "Invalid command switch: .");
}

TEST(CommandLineTest, SecondSwitchIsTheFileName) {
  CommandLine line = ParseCommandLine("-d -s");
  EXPECT_EQ(line.startupSwitch, StartupSwitch::Debug);
  EXPECT_EQ(line.fileName, "-s");
}

TEST(CommandLineTest, BlanksAndTabsAroundTheSwitchAreSkippedButTheNameKeepsItsOwn) {
  CommandLine line = ParseCommandLine(" \t/S \t my setup.ctl  ");
  EXPECT_EQ(line.startupSwitch, StartupSwitch::Source);
  EXPECT_EQ(line.fileName, "my setup.ctl  ");

  CommandLine plain = ParseCommandLine("\t setup.ctl");
  EXPECT_EQ(plain.startupSwitch, StartupSwitch::None);
  EXPECT_EQ(plain.fileName, "setup.ctl");
}

TEST(CommandLineTest, NamesOfUpTo255CharactersAreKept) {
  std::string name(255, 'a');
  CommandLine line = ParseCommandLine(("-s " + name).c_str());
  EXPECT_EQ(line.refusal, "");
  EXPECT_EQ(line.fileName, name);
}

TEST(CommandLineTest, LongerNamesAreRefused) {
  std::string name(256, 'a');
  CommandLine line = ParseCommandLine(name.c_str());
  EXPECT_EQ(line.refusal, "Start-up file name is longer than 255 characters.");
  EXPECT_EQ(line.fileName, "");

  CommandLine huge = ParseCommandLine(("-d" + std::string(100000, 'b')).c_str());
  EXPECT_NE(huge.refusal, "");
}

TEST(CommandLineTest, TheUnattendedSwitchTakesTheAnswersFileFirst) {
  struct Case {
    const char* text;
    const char* answers;
    const char* startup;
  };
  for (const Case& c :
       {Case{"-A answers.txt", "answers.txt", "STARTUP.CTL"},
        Case{"/a answers.txt setup2.ctl", "answers.txt", "setup2.ctl"},
        Case{"-Aanswers.txt", "answers.txt", "STARTUP.CTL"},
        Case{"-A \"C:\\My Answers\\a.txt\" my setup.ctl", "C:\\My Answers\\a.txt", "my setup.ctl"},
        Case{"-A\t\"a b\"", "a b", "STARTUP.CTL"}}) {
    CommandLine line = ParseCommandLine(c.text);
    EXPECT_EQ(line.startupSwitch, StartupSwitch::Unattended) << c.text;
    EXPECT_EQ(line.refusal, "") << c.text;
    EXPECT_EQ(line.answersFile, c.answers) << c.text;
    EXPECT_EQ(line.fileName, c.startup) << c.text;
  }
}

TEST(CommandLineTest, TheUnattendedSwitchWithoutAFileIsRefused) {
  for (const char* text : {"-A", "-A   ", "-A \"\" setup.ctl"}) {
    EXPECT_EQ(ParseCommandLine(text).refusal, "The switch -A needs the name of an answers file.")
        << text;
  }
  EXPECT_EQ(ParseCommandLine("-A \"C:\\x.txt").refusal,
            "The name of the answers file has no closing quote.");
}

}  // namespace
}  // namespace vorna
