// A whole sandbox machine for the tests of the system statements, the
// special-folder word and the file dialog object: files, registry and
// shortcuts of the portable platform in a fresh folder, and an interaction
// and a system that record what they were asked.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "error_of.h"
#include "host/startup/language_setup.h"
#include "inert_system.h"
#include "platform/installed_platform.h"
#include "platform/platform.h"
#include "platform/portable/portable_files.h"
#include "platform/portable/portable_shell.h"
#include "sandbox_registry.h"
#include "script/activation.h"
#include "script/interpreter.h"
#include "script/statement_table.h"
#include "values/errors.h"

namespace vorna::testing {

/// One message box as it was asked.
struct ShownBox {
  platform::Owner owner;
  std::string text;
  std::string caption;
  unsigned style;
};

/// Message boxes answer OK and are recorded; file dialogs are cancelled.
class InteractionRecorder : public platform::Interaction {
 public:
  int MessageBox(platform::Owner owner, const std::string& text, const std::string& caption,
                 unsigned style) override {
    boxes.push_back({owner, text, caption, style});
    return platform::id::Ok;
  }
  platform::ErrorAnswer ErrorDialog(const platform::ErrorReport&) override {
    return platform::ErrorAnswer::Abort;
  }
  bool OpenFileDialog(platform::FileDialogRecord&) override { return false; }
  bool SaveFileDialog(platform::FileDialogRecord&) override { return false; }

  std::vector<ShownBox> boxes;
};

/// Records sleeps; the clock stands at a time the test may set.
class SystemRecorder : public InertSystem {
 public:
  void Sleep(uint32_t milliseconds) override { sleeps.push_back(milliseconds); }
  int64_t Now() override { return now; }
  [[noreturn]] void ExitProcess(int) override { std::abort(); }

  std::vector<uint32_t> sleeps;
  int64_t now = 1700000000;
};

class SystemTest : public SandboxRegistryTest {
 protected:
  SystemTest() : files_(folder_.path(), "C:\\SETUP.EXE"), shell_(files_, shellLog_) {
    RegisterKeywords(interpreter_);
  }

  void SetUp() override {
    SandboxRegistryTest::SetUp();
    platform::Platform machine;
    machine.files = &files_;
    machine.system = &system_;
    machine.interaction = &interaction_;
    machine.registry = &registry_;
    machine.shell = &shell_;
    platform::SetPlatform(machine);
  }

  /// Runs one statement: its keyword's handler from the statement table, as
  /// the dispatcher calls it, which must end as given. Answers the text the
  /// handler left unread.
  std::string Run(const char* text, StatementEnd expectedEnd = StatementEnd::Continue) {
    EXPECT_TRUE(activation_.MakeCurrent(text));
    const Keyword* keyword = activation_.cursor().ReadKeyword();
    EXPECT_NE(keyword, nullptr) << text;
    if (keyword == nullptr) return "";
    StatementHandler handler = interpreter_.statements().Find(keyword->id);
    EXPECT_NE(handler, nullptr) << text;
    if (handler == nullptr) return "";
    EXPECT_EQ(handler(activation_), expectedEnd) << text;
    return activation_.cursor().rest();
  }

  /// The script error a statement raises, or 0.
  int ErrorOf(const char* text) {
    return testing::ErrorOf([&] { Run(text); });
  }

  /// The host path of a Windows path below drive C ("A/B" for "C:\A\B").
  std::string Host(const std::string& belowC) const { return folder_ / ("C/" + belowC); }

  platform::PortableFileSystem files_;
  std::ostringstream shellLog_;
  platform::PortableShell shell_;
  SystemRecorder system_;
  InteractionRecorder interaction_;
  Interpreter interpreter_{platform::Current()};
  Activation activation_{interpreter_, nullptr};
};

}  // namespace vorna::testing
