#include "host/portable/runner_options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "host/portable/sandbox_setup.h"
#include "host/portable/working_folder_files.h"

namespace vorna {
namespace {

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
