#include "host/startup/script_entry.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "host/portable/sandbox_setup.h"
#include "host/startup/startup_control.h"
#include "installdata/fileset_codec.h"
#include "installdata/scramble.h"
#include "platform/answers/answer_source.h"
#include "platform/answers/answered_interaction.h"
#include "platform/installed_platform.h"
#include "platform/platform.h"
#include "platform/portable/portable_files.h"
#include "platform/portable/portable_system.h"
#include "script/program.h"
#include "tools/pack/authoring/container_writer.h"

namespace vorna {
namespace {

struct BadAnswer {};

/// A sandbox with the portable platform installed; files go to drive C,
/// the current folder.
class ScriptEntryTest : public testing::Test {
 protected:
  void SetUp() override {
    saved_ = platform::Current();
    root_ = MakeTemporaryRoot();
    SetContainerKey(kInstallerKey);
  }
  void TearDown() override {
    platform::SetPlatform(saved_);
    RemoveTree(root_);
  }

  /// Installs the platform; the install data file is programPath (none by default).
  void Install(const std::string& programPath = "") {
    files_ = std::make_unique<platform::PortableFileSystem>(
        root_, programPath.empty() ? root_ + "/no-such-setup.exe" : programPath);
    source_ = std::make_unique<platform::AnswerSource>(platform::AnswersFile(), transcript_);
    interaction_ = std::make_unique<platform::AnsweredInteraction>(
        *source_, [](const platform::AnswersError&) { throw BadAnswer{}; });
    platform::Platform machine;
    machine.files = files_.get();
    machine.system = &system_;
    machine.interaction = interaction_.get();
    platform::SetPlatform(machine);
  }

  void Write(const std::string& name, const std::string& text) {
    std::ofstream(root_ + "/C/" + name, std::ios::binary) << text;
  }

  /// The names of the loaded modules, in load order.
  static std::vector<std::string> Names(NodeList& modules) {
    std::vector<std::string> names;
    for (NamedNode* node = modules.head(); node != nullptr; node = node->next()) {
      names.push_back(node->name());
    }
    return names;
  }

  std::string root_;
  platform::Platform saved_;
  platform::StringSink transcript_;
  platform::PortableSystem system_{stderr};
  std::unique_ptr<platform::PortableFileSystem> files_;
  std::unique_ptr<platform::AnswerSource> source_;
  std::unique_ptr<platform::AnsweredInteraction> interaction_;
};

TEST_F(ScriptEntryTest, CommentsAndEmptyLinesAreSkippedAndNamesLoadOnce) {
  Install();
  Write("STARTUP.CTL", "~ the set-up\r\n\r\nINSTALL\r\n~HELPERS\r\ninstall\r\nhelpers\n");
  Write("INSTALL", "SUB MAIN\r\nEND SUB\r\n");
  Write("HELPERS", "SUB HELP\r\nEND SUB\r\n");
  NodeList modules;
  ASSERT_TRUE(LoadStartupControl(platform::Current(), "STARTUP.CTL", modules));
  EXPECT_EQ(Names(modules), (std::vector<std::string>{"INSTALL", "HELPERS"}));
  EXPECT_EQ(transcript_.str(), "");
}

TEST_F(ScriptEntryTest, ARunWithMainShowsNothing) {
  Install();
  Write("STARTUP.CTL", "INSTALL\r\n");
  Write("install", "' the product\r\nSUB Main\r\n  PRINT \"hi\"\r\nEND SUB\r\n");
  EXPECT_EQ(RunScriptEntry(""), kRuntimeExitCodes.success);
  EXPECT_EQ(transcript_.str(), "");
}

TEST_F(ScriptEntryTest, NoMainInAnyModuleIsAStartupMessage) {
  Install();
  Write("setup2.ctl", "ONE\nTWO\n");
  Write("ONE", "SUB NOTMAIN\nEND SUB\n");
  Write("TWO", "DIM X AS INTEGER\n");
  EXPECT_EQ(RunScriptEntry("/s setup2.ctl"), kRuntimeExitCodes.failed);
  EXPECT_EQ(transcript_.str(),
            "[message box] \"VORNA!\" (stop icon)\n"
            "  Main function not found.\n"
            "  buttons: OK\n"
            "  answer: OK (default)\n");
}

TEST_F(ScriptEntryTest, AModuleThatCannotBeOpenedIsNamedAndEndsTheLoading) {
  Install();
  Write("STARTUP.CTL", "ONE\nNOWHERE\nTWO\n");
  Write("ONE", "SUB MAIN\nEND SUB\n");
  Write("TWO", "SUB OTHER\nEND SUB\n");
  NodeList modules;
  EXPECT_FALSE(LoadStartupControl(platform::Current(), "STARTUP.CTL", modules));
  EXPECT_EQ(Names(modules), (std::vector<std::string>{"ONE"}));
  EXPECT_NE(transcript_.str().find("  Cannot load module NOWHERE: File Not Found.\n"),
            std::string::npos);
}

TEST_F(ScriptEntryTest, AModuleThatFailsToLoadIsNamedWithItsError) {
  Install();
  Write("STARTUP.CTL", "BAD\n");
  Write("BAD", "SUB TWICE\nEND SUB\nSUB TWICE\nEND SUB\n");
  RunScriptEntry("");
  EXPECT_NE(transcript_.str().find("Cannot load module BAD: Name Already Declared in line 3."),
            std::string::npos)
      << transcript_.str();
  // The run ends there: MAIN is not looked for.
  EXPECT_EQ(transcript_.str().find("Main function"), std::string::npos);
}

TEST_F(ScriptEntryTest, ARefusedCommandLineLoadsNothing) {
  Install();  // no STARTUP.CTL at all: loading would end the process
  EXPECT_EQ(RunScriptEntry("-xyz a"), kRuntimeExitCodes.failed);
  EXPECT_EQ(RunScriptEntry("-?"), kRuntimeExitCodes.success);
  std::string text = transcript_.str();
  EXPECT_NE(text.find("  Invalid command switch: xyz a.\n"), std::string::npos);
  EXPECT_NE(text.find("  No arguments available.\n"), std::string::npos);
  RunScriptEntry(std::string(300, 'n').c_str());
  EXPECT_NE(transcript_.str().find("longer than 255 characters"), std::string::npos);
}

TEST_F(ScriptEntryTest, AMissingControlEntryShowsItsNameAndFails) {
  Install();
  EXPECT_EQ(RunScriptEntry("-D setup2.ctl"), kRuntimeExitCodes.failed);
  EXPECT_EQ(transcript_.str(),
            "[message box] \"File Not Found\"\n"
            "  setup2.ctl\n"
            "  buttons: OK\n"
            "  answer: OK (default)\n");
}

TEST_F(ScriptEntryTest, TheControlEntryAndModulesComeFromTheContainerFirst) {
  std::string image = root_ + "/setup.exe";
  {
    std::ofstream out(image, std::ios::binary);
    authoring::ImageWriter writer(out);
    writer.AppendBytes("MZ stub", 7);
    auto entry = [](const char* name, const std::string& text) {
      return authoring::ContainerEntry{name, std::vector<uint8_t>(text.begin(), text.end())};
    };
    writer.AppendContainer({entry("STARTUP.CTL", "PACKED\r\n"), entry("PACKED", "SUB X\r\n")},
                           kInstallerKey);
    writer.Finish();
  }
  Install(image);
  // A plain file of the same name loses against the container's entry.
  Write("STARTUP.CTL", "LOOSE\r\n");
  Write("LOOSE", "SUB MAIN\r\nEND SUB\r\n");
  NodeList modules;
  ASSERT_TRUE(LoadStartupControl(platform::Current(), "startup.ctl", modules));
  EXPECT_EQ(Names(modules), (std::vector<std::string>{"PACKED"}));
}

TEST_F(ScriptEntryTest, ASetupWithAnUnknownCodecIsRefusedBeforeAnyScriptRuns) {
  std::string image = root_ + "/setup.exe";
  {
    std::ofstream out(image, std::ios::binary);
    authoring::ImageWriter writer(out);
    writer.AppendBytes("MZ stub", 7);
    auto entry = [](const char* name, const std::string& text) {
      return authoring::ContainerEntry{name, std::vector<uint8_t>(text.begin(), text.end())};
    };
    writer.AppendContainer({entry("STARTUP.CTL", "PACKED\r\n"),
                            entry("PACKED", "SUB MAIN\r\nPRINT \"ran\"\r\nEND SUB\r\n"),
                            entry(kCodecEntryName, "lzma")},
                           kInstallerKey);
    writer.Finish();
  }
  Install(image);
  EXPECT_EQ(RunScriptEntry(""), kRuntimeExitCodes.failed);
  EXPECT_EQ(transcript_.str(),
            "[message box] \"VORNA!\" (stop icon)\n"
            "  The setup file is damaged or incomplete. Please download it again.\n"
            "  buttons: OK\n"
            "  answer: OK (default)\n");
}

}  // namespace
}  // namespace vorna
