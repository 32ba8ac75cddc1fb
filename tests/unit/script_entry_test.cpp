// Loading the start-up control entry and its modules, for what vorna-run's
// own test (tests/runner/vorna_run_test.sh) does not show: names loaded once,
// modules that fail, the container before plain files, a damaged setup.
#include "host/startup/script_entry.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "host/startup/startup_control.h"
#include "installdata/fileset_codec.h"
#include "script/program.h"
#include "tests/unit/support/fileset_fixture.h"

namespace vorna {
namespace {

using Texts = std::vector<std::string>;

/// A sandbox whose drive C is the current folder; the program file is
/// C:\SETUP.EXE, missing unless a test packs one.
class ScriptEntryTest : public ::testing::Test {
 protected:
  void Write(const std::string& name, const std::string& text) {
    testing::WriteHostFile(sandbox_.Host(name), text);
  }

  /// Packs a setup whose container holds the named texts.
  void PackSetup(const std::vector<std::pair<std::string, std::string>>& texts) {
    std::ostringstream out;
    authoring::ImageWriter writer(out);
    writer.AppendBytes("MZ stub", 7);
    std::vector<authoring::ContainerEntry> entries;
    for (const auto& [name, text] : texts) {
      entries.push_back({name, std::vector<uint8_t>(text.begin(), text.end())});
    }
    writer.AppendContainer(entries, kInstallerKey);
    writer.Finish();
    Write("SETUP.EXE", out.str());
  }

  /// Loads the start-up control entry named name; answers the names of the
  /// modules loaded, in load order.
  Texts Load(bool loads, const char* name = "STARTUP.CTL") {
    NodeList modules;
    EXPECT_EQ(LoadStartupControl(platform::Current(), name, modules), loads);
    Texts names;
    for (NamedNode* node = modules.head(); node != nullptr; node = node->next()) {
      names.push_back(node->name());
    }
    return names;
  }

  /// The texts of the message boxes shown.
  Texts Shown() const {
    Texts texts;
    for (const testing::AskedBox& box : sandbox_.interaction.asked) texts.push_back(box.text);
    return texts;
  }

  testing::SandboxPlatform sandbox_;
};

TEST_F(ScriptEntryTest, CommentsAndEmptyLinesAreSkippedAndNamesLoadOnce) {
  Write("STARTUP.CTL", "~ the set-up\r\n\r\nINSTALL\r\n~HELPERS\r\ninstall\r\nhelpers\n");
  Write("INSTALL", "SUB MAIN\r\nEND SUB\r\n");
  Write("HELPERS", "SUB HELP\r\nEND SUB\r\n");
  EXPECT_EQ(Load(true), (Texts{"INSTALL", "HELPERS"}));
  EXPECT_EQ(Shown(), Texts{});
}

TEST_F(ScriptEntryTest, AModuleThatCannotBeOpenedIsNamedAndEndsTheLoading) {
  Write("STARTUP.CTL", "ONE\nNOWHERE\nTWO\n");
  Write("ONE", "SUB MAIN\nEND SUB\n");
  Write("TWO", "SUB OTHER\nEND SUB\n");
  EXPECT_EQ(Load(false), Texts{"ONE"});
  EXPECT_EQ(Shown(), Texts{"Cannot load module NOWHERE: File Not Found."});
}

// The run ends there: MAIN is not looked for.
TEST_F(ScriptEntryTest, AModuleThatFailsToLoadIsNamedWithItsError) {
  Write("STARTUP.CTL", "BAD\n");
  Write("BAD", "SUB TWICE\nEND SUB\nSUB TWICE\nEND SUB\n");
  EXPECT_EQ(RunScriptEntry(""), kRuntimeExitCodes.failed);
  EXPECT_EQ(Shown(), Texts{"Cannot load module BAD: Name Already Declared in line 3."});
}

TEST_F(ScriptEntryTest, ARefusedCommandLineLoadsNothing) {
  // No STARTUP.CTL at all: loading would end the run as failed.
  EXPECT_EQ(RunScriptEntry("-?"), kRuntimeExitCodes.success);
  EXPECT_EQ(Shown(), Texts{"No arguments available."});
}

TEST_F(ScriptEntryTest, TheControlEntryAndModulesComeFromTheContainerFirst) {
  PackSetup({{"STARTUP.CTL", "PACKED\r\n"}, {"PACKED", "SUB X\r\n"}});
  // A plain file of the same name loses against the container's entry.
  Write("STARTUP.CTL", "LOOSE\r\n");
  Write("LOOSE", "SUB MAIN\r\nEND SUB\r\n");
  EXPECT_EQ(Load(true, "startup.ctl"), Texts{"PACKED"});
}

TEST_F(ScriptEntryTest, ASetupWithAnUnknownCodecIsRefusedBeforeAnyScriptRuns) {
  PackSetup({{"STARTUP.CTL", "PACKED\r\n"},
             {"PACKED", "SUB MAIN\r\nPRINT \"ran\"\r\nEND SUB\r\n"},
             {kCodecEntryName, "lzma"}});
  EXPECT_EQ(RunScriptEntry(""), kRuntimeExitCodes.failed);
  ASSERT_EQ(sandbox_.interaction.asked.size(), 1u);
  const testing::AskedBox& box = sandbox_.interaction.asked[0];
  EXPECT_EQ(box.text, "The setup file is damaged or incomplete. Please download it again.");
  EXPECT_EQ(box.caption, "VORNA!");
  EXPECT_EQ(box.style, platform::mb::Ok | platform::mb::IconHand);
}

}  // namespace
}  // namespace vorna
