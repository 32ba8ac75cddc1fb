// The command lines: the runtime's start-up line (which switch counts, the
// names after it, and every refusal; one row per case, each naming the whole
// parse) and vorna-run's options, with the working folder's files it brings
// into the sandbox.
#include "host/startup/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "host/portable/runner_options.h"
#include "host/portable/sandbox_setup.h"
#include "host/portable/working_folder_files.h"
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

std::optional<RunnerOptions> Parse(std::vector<const char*> args, std::string* error) {
  return ParseRunnerOptions(static_cast<int>(args.size()), args.data(), error);
}

TEST(RunnerOptionsTest, TheDebuggerChannelIsTwoDescriptorNumbers) {
  std::string error;
  std::optional<RunnerOptions> options = Parse({"--debug-fds", "3,4", "--", "-D"}, &error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->debugReadFd, 3);
  EXPECT_EQ(options->debugWriteFd, 4);
  EXPECT_EQ(options->commandLine, "-D");
  EXPECT_EQ(Parse({}, &error)->debugReadFd, -1);
  for (const char* bad : {"3", "3,", ",4", "3;4", "-1,4", "3,4x", "99999,1", ""}) {
    EXPECT_FALSE(Parse({"--debug-fds", bad}, &error)) << bad;
    EXPECT_NE(error.find("--debug-fds"), std::string::npos);
  }
  EXPECT_FALSE(Parse({"--debug-fds"}, &error));
}

TEST(RunnerOptionsTest, FaultsAreKindsWithACallNumber) {
  std::string error;
  std::optional<RunnerOptions> options = Parse({"--faults", "write:2,open:1+"}, &error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->faults, "write:2,open:1+");
  for (const char* bad : {"write", "write:0", "write:x", "disk:1", "write:1,", ""}) {
    EXPECT_FALSE(Parse({"--faults", bad}, &error)) << bad;
    EXPECT_NE(error.find("--faults"), std::string::npos);
  }
  EXPECT_FALSE(Parse({"--faults"}, &error));
}

// An unknown argument is named in tests/runner/vorna_run_test.sh.
TEST(RunnerOptionsTest, OptionsWithoutTheirValueAreNamed) {
  std::string error;
  EXPECT_FALSE(Parse({"--image"}, &error));
  EXPECT_EQ(error, "--image needs a value");
  EXPECT_FALSE(Parse({"--root", ""}, &error));
  EXPECT_EQ(error, "--root needs a value");
}

// The working folder's files come into C:\ one by one, as the script names them.
TEST(WorkingFolderFilesTest, BringsInOnlyWhatTheScriptReaches) {
  std::string root = MakeTemporaryRoot();
  std::string work = root + "/work";
  std::filesystem::create_directories(work + "/sub");
  std::ofstream(work + "/setup.bas") << "SUB MAIN\n";
  std::ofstream(work + "/BIG.DAT") << "large";
  std::ofstream(work + "/OLD.TXT") << "old";
  std::ofstream(work + "/sub/inner") << "x";
  platform::PortableFileSystem sandbox(root, "C:\\SETUP.EXE");
  std::ofstream(root + "/C/setup.bas") << "stale";
  WorkingFolderFiles files(sandbox, work, root + "/C");
  EXPECT_EQ(files.broughtIn(), 0u);

  // Any case, in C:\ only; the copy replaces what the sandbox had.
  EXPECT_NE(files.Open("C:\\SETUP.BAS", platform::Access::Read, platform::Share::Read,
                       platform::Creation::OpenExisting),
            nullptr);
  EXPECT_EQ(files.Open("D:\\BIG.DAT", platform::Access::Read, platform::Share::Read,
                       platform::Creation::OpenExisting),
            nullptr);
  EXPECT_EQ(files.broughtIn(), 1u);
  std::ifstream copied(root + "/C/setup.bas");
  std::string text;
  std::getline(copied, text);
  EXPECT_EQ(text, "SUB MAIN");
  EXPECT_FALSE(std::filesystem::exists(root + "/C/BIG.DAT"));
  EXPECT_FALSE(std::filesystem::exists(root + "/C/sub"));

  // A deleted file stays deleted; the working folder keeps its own.
  EXPECT_TRUE(files.Delete("old.txt"));
  EXPECT_EQ(files.Open("OLD.TXT", platform::Access::Read, platform::Share::Read,
                       platform::Creation::OpenExisting),
            nullptr);
  EXPECT_TRUE(std::filesystem::exists(work + "/OLD.TXT"));
  EXPECT_EQ(files.broughtIn(), 2u);

  RemoveTree(root);
  EXPECT_FALSE(std::filesystem::exists(root));
  RemoveTree(root);
}

}  // namespace
}  // namespace vorna
