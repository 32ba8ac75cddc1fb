// Loading the start-up control entry and its modules, for what vorna-run's
// own test (tests/runner/vorna_run_test.sh) does not show: names loaded once,
// modules that fail, the container before plain files, a damaged setup.
#include "host/startup/script_entry.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

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
#include "tests/unit/support/temp_folder.h"
#include "tools/pack/authoring/container_writer.h"

namespace vorna {
namespace {

struct BadAnswer {};

/// A sandbox with the portable platform installed; files go to drive C,
/// the current folder.
class ScriptEntryTest : public ::testing::Test {
 protected:
  ScriptEntryTest() { SetContainerKey(kInstallerKey); }
  ~ScriptEntryTest() override { platform::SetPlatform(saved_); }

  /// Installs the platform; the install data file is programPath (none by default).
  void Install(const std::string& programPath = "") {
    files_ = std::make_unique<platform::PortableFileSystem>(
        root_.path(), programPath.empty() ? root_ / "no-such-setup.exe" : programPath);
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
    testing::WriteHostFile(root_ / ("C/" + name), text);
  }

  /// Writes a packed setup whose container holds the named texts; answers its path.
  std::string PackedSetup(const std::vector<std::pair<std::string, std::string>>& texts) {
    std::ostringstream out;
    authoring::ImageWriter writer(out);
    writer.AppendBytes("MZ stub", 7);
    std::vector<authoring::ContainerEntry> entries;
    for (const auto& [name, text] : texts) {
      entries.push_back({name, std::vector<uint8_t>(text.begin(), text.end())});
    }
    writer.AppendContainer(entries, kInstallerKey);
    writer.Finish();
    return root_.Write("setup.exe", out.str());
  }

  /// The names of the loaded modules, in load order.
  static std::vector<std::string> Names(NodeList& modules) {
    std::vector<std::string> names;
    for (NamedNode* node = modules.head(); node != nullptr; node = node->next()) {
      names.push_back(node->name());
    }
    return names;
  }

  testing::TempFolder root_;
  platform::Platform saved_ = platform::Current();
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
  EXPECT_EQ(RunScriptEntry("-?"), kRuntimeExitCodes.success);
  EXPECT_NE(transcript_.str().find("  No arguments available.\n"), std::string::npos);
}

TEST_F(ScriptEntryTest, TheControlEntryAndModulesComeFromTheContainerFirst) {
  Install(PackedSetup({{"STARTUP.CTL", "PACKED\r\n"}, {"PACKED", "SUB X\r\n"}}));
  // A plain file of the same name loses against the container's entry.
  Write("STARTUP.CTL", "LOOSE\r\n");
  Write("LOOSE", "SUB MAIN\r\nEND SUB\r\n");
  NodeList modules;
  ASSERT_TRUE(LoadStartupControl(platform::Current(), "startup.ctl", modules));
  EXPECT_EQ(Names(modules), (std::vector<std::string>{"PACKED"}));
}

TEST_F(ScriptEntryTest, ASetupWithAnUnknownCodecIsRefusedBeforeAnyScriptRuns) {
  Install(PackedSetup({{"STARTUP.CTL", "PACKED\r\n"},
                       {"PACKED", "SUB MAIN\r\nPRINT \"ran\"\r\nEND SUB\r\n"},
                       {kCodecEntryName, "lzma"}}));
  EXPECT_EQ(RunScriptEntry(""), kRuntimeExitCodes.failed);
  EXPECT_EQ(transcript_.str(),
            "[message box] \"VORNA!\" (stop icon)\n"
            "  The setup file is damaged or incomplete. Please download it again.\n"
            "  buttons: OK\n"
            "  answer: OK (default)\n");
}

}  // namespace
}  // namespace vorna
