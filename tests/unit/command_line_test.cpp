// The start-up command line: which switch counts, the names after it, and
// every refusal. One row per case, each naming the whole parse.
#include "host/startup/command_line.h"

#include <gtest/gtest.h>

#include <string>

#include "host/startup/uninstall_arguments.h"

namespace vorna {
namespace {

using S = StartupSwitch;

struct LineCase {
  std::string text;
  StartupSwitch startupSwitch;
  std::string fileName;
  std::string refusal = "";
  std::string answersFile = "";
  std::string uninstallRecord = "";
  uint32_t waitForProcess = 0;
};

TEST(CommandLineTest, EachLineParsesToItsSwitchNamesAndRefusal) {
  const std::string longest(255, 'a');
  const LineCase cases[] = {
      {"", S::None, "STARTUP.CTL"},
      {"\t \t", S::None, "STARTUP.CTL"},
      {"/s setup2.ctl", S::Source, "setup2.ctl"},
      {"-dfoo.ctl", S::Debug, "foo.ctl"},
      {"-D", S::Debug, "STARTUP.CTL"},
      {"-S", S::Source, "STARTUP.CTL"},
      {"-d -s", S::Debug, "-s"},
      {" \t/S \t my setup.ctl  ", S::Source, "my setup.ctl  "},
      {"\t setup.ctl", S::None, "setup.ctl"},
      {"-s " + longest, S::Source, longest},
      {longest + "a", S::None, "", kNameTooLongText},
      {"-?", S::Help, "", kNoArgumentsText},
      {"  -h setup.ctl", S::Help, "", kNoArgumentsText},
      {"/H", S::Help, "", kNoArgumentsText},
      {"-x", S::Invalid, "", "Invalid command switch: x."},
      {"-xyz a", S::Invalid, "", "Invalid command switch: xyz a."},
      {"/1", S::Invalid, "", "Invalid command switch: 1."},
      {"-", S::Invalid, "", "Invalid command switch: ."},
      {"-A answers.txt", S::Unattended, "STARTUP.CTL", "", "answers.txt"},
      {"/a answers.txt setup2.ctl", S::Unattended, "setup2.ctl", "", "answers.txt"},
      {"-Aanswers.txt", S::Unattended, "STARTUP.CTL", "", "answers.txt"},
      {"-A \"C:\\My Answers\\a.txt\" my setup.ctl", S::Unattended, "my setup.ctl", "",
       "C:\\My Answers\\a.txt"},
      {"-A\t\"a b\"", S::Unattended, "STARTUP.CTL", "", "a b"},
      {"-A", S::Unattended, "", kNoAnswersFileText},
      {"-A   ", S::Unattended, "", kNoAnswersFileText},
      {"-A \"\" setup.ctl", S::Unattended, "", kNoAnswersFileText},
      {"-A \"C:\\x.txt", S::Unattended, "", kUnclosedQuoteText},
      {" /u \"C:\\Program Files\\Hello\\UNINSTALL.DAT\"", S::Uninstall, "", "", "",
       "C:\\Program Files\\Hello\\UNINSTALL.DAT"},
      {"-U C:\\Apps\\UNINSTALL.DAT -w 4242", S::Uninstall, "", "", "", "C:\\Apps\\UNINSTALL.DAT",
       4242},
      {"-A answers.txt -U \"C:\\Apps\\UNINSTALL.DAT\"", S::Uninstall, "", "", "answers.txt",
       "C:\\Apps\\UNINSTALL.DAT"},
      {"-D -U C:\\UNINSTALL.DAT", S::Debug, "-U C:\\UNINSTALL.DAT"},
      {"-U", S::Uninstall, "", kNoRecordText},
      {"-U \"C:\\Apps\\UNINSTALL.DAT", S::Uninstall, "", kUnclosedRecordText},
      {"-U C:\\Apps\\UNINSTALL.DAT extra", S::Uninstall, "",
       "Unexpected text after the uninstall record: extra.", "", "C:\\Apps\\UNINSTALL.DAT"},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.text);
    CommandLine line = ParseCommandLine(c.text.c_str());
    EXPECT_EQ(line.startupSwitch, c.startupSwitch);
    EXPECT_EQ(line.refusal, c.refusal);
    EXPECT_EQ(line.fileName, c.fileName);
    EXPECT_EQ(line.answersFile, c.answersFile);
    EXPECT_EQ(line.uninstallRecord, c.uninstallRecord);
    EXPECT_EQ(line.waitForProcess, c.waitForProcess);
  }
  // No text at all, a name far over the limit, and a -W without a process.
  EXPECT_EQ(ParseCommandLine(nullptr).fileName, "STARTUP.CTL");
  EXPECT_NE(ParseCommandLine(("-d" + std::string(100000, 'b')).c_str()).refusal, "");
  EXPECT_NE(ParseCommandLine("-U C:\\UNINSTALL.DAT -W").refusal, "");
  EXPECT_NE(ParseCommandLine("-U C:\\UNINSTALL.DAT -W 0").refusal, "");
}

}  // namespace
}  // namespace vorna
