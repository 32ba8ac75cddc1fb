// The install object driven through an activation, in a sandbox platform
// whose dialogs are answered from an answers file: what the asking members
// show and judge, and COPYFILES of a damaged set. What scripts see of the
// fields, functions and dialogs is in tests/scripts/install/ and
// tests/runner/install_sandbox_test.sh.
#include "install/install_object.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "host/startup/language_setup.h"
#include "install/install_settings.h"
#include "platform/installed_platform.h"
#include "script/activation.h"
#include "script/evaluator.h"
#include "script/interpreter.h"
#include "tests/unit/support/answered_dialog_fixture.h"
#include "tests/unit/support/fileset_fixture.h"
#include "tools/pack/authoring/fileset_writer.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {
namespace {

using testing::WriteHostFile;

// The install dialogs are answered from an answers file, as the portable
// runner answers them; what they showed is in the transcript.
class InstallObjectTest : public testing::AnsweredDialogTest {
 protected:
  InstallObjectTest() {
    SharedInstallSettings().Clear();
    RegisterKeywords(interpreter_);
    RegisterInstallObject(interpreter_);
  }
  ~InstallObjectTest() override { SharedInstallSettings().Clear(); }

  /// From now on the dialogs take their answers from this answers-file text.
  void Answers(const std::string& answers) {
    Use(answers);
    platform::Platform machine = platform::Current();
    machine.interaction = interaction_.get();
    platform::SetPlatform(machine);
  }
  /// Evaluates an expression and answers its value's text form.
  std::string Text(const char* expression) {
    Value result;
    activation_.MakeCurrent(expression);
    EvaluateExpression(activation_, result);
    char buffer[300];
    result.FormatValue(buffer, sizeof buffer);
    return buffer;
  }
  /// Runs an assignment or statement member; answers the error number or 0.
  int Run(const char* statement) {
    activation_.MakeCurrent(statement);
    try {
      if (interpreter_.SetMember(activation_)) return 0;
      if (interpreter_.CallStatement(activation_)) return 0;
    } catch (errorNumbers number) {
      return int(number);
    }
    return -1;
  }
  std::string Field(InstallField field) { return SharedInstallSettings().Get(field); }

  testing::SandboxPlatform sandbox_;
  Interpreter interpreter_{platform::Current()};
  Activation activation_{interpreter_, nullptr};
};

// The shown text and the word's forms are in tests/scripts/install/member_words.bas.
TEST_F(InstallObjectTest, AskLicenseOfAMissingEntryShowsAnEmptyText) {
  Answers("license Cancel\nquit Yes\n");
  EXPECT_EQ(Text("ASKLICENSE(\"MISSING.TXT\")"), "false");
  EXPECT_TRUE(Said("[licence dialog] \"License Agreement\"\n  buttons:")) << transcript_.str();
}

TEST_F(InstallObjectTest, AskDriveListsPreselectsAndJudges) {
  std::filesystem::create_directories(sandbox_.Host("."));
  WriteHostFile(sandbox_.temp / "D/.free-space", "1000");
  WriteHostFile(sandbox_.temp / "E/.free-space", std::to_string(204800 + 5000));
  WriteHostFile(sandbox_.temp / "E/.label", "WORK");
  WriteHostFile(sandbox_.temp / "F/.drive-type", "CDROM");
  WriteHostFile(sandbox_.temp / "G/.free-space", std::to_string(204800 + 5001));
  WriteHostFile(sandbox_.temp / "G/.label", "TOOLONG");
  SharedInstallSettings().setSetTotal(5000);
  Run("INSTALLNAME = \"Setup\"");
  Run("PROGRAMNAME = \"Hello\"");
  Run("INSTALLPATH = \"C:\\Apps\\Hello\"");
  Answers("drive D\nmsgbox OK\ndrive E\ndrive Cancel\nquit Yes\n");
  EXPECT_EQ(Text("ASKDRIVE"), "true");
  // C has the host's free space, so it is the first one with room; the
  // sandbox names a drive by its letter; no CD-ROM, no unassigned letters.
  EXPECT_TRUE(Said("[drive dialog] \"Setup\"\n  Hello\n")) << transcript_.str();
  EXPECT_TRUE(Said("  > C:  C  ")) << transcript_.str();
  EXPECT_TRUE(
      Said("\n    D:  D  1000 bytes\n    E:  WORK  204 K\n    G:    204 K\n"
           "  NOTE: Program requires 4 K of drive space.\n  buttons: OK/Cancel/C/D/E/G\n"))
      << transcript_.str();
  // D lacks room: refused; E has exactly the total plus the margin: accepted.
  EXPECT_TRUE(Said("[message box] \"Setup\"\n  There is not enough free space on that drive\n"));
  EXPECT_EQ(Field(InstallField::InstallPath), "E:\\Apps\\Hello");
  EXPECT_EQ(Text("ASKDRIVE"), "false");
  EXPECT_EQ(Field(InstallField::InstallPath), "E:\\Apps\\Hello");
}

TEST_F(InstallObjectTest, AskPathCreatesTheFolderAndTestsIt) {
  WriteHostFile(sandbox_.Host("Blocked"), "a file where a folder should be");
  Run("INSTALLPATH = \"C:\\Start\"");
  Answers("path OK C:\\Blocked\\Sub\nmsgbox OK\npath OK C:\\Apps\\Hello\npath Cancel\nquit Yes\n");
  EXPECT_EQ(Text("ASKPATH"), "true");
  EXPECT_TRUE(Said("  path: C:\\Start\n")) << transcript_.str();
  EXPECT_TRUE(Said("\n  Error, can not create that directory.\n")) << transcript_.str();
  EXPECT_EQ(Field(InstallField::InstallPath), "C:\\Apps\\Hello");
  EXPECT_TRUE(std::filesystem::is_directory(sandbox_.Host("Apps/Hello")));
  EXPECT_FALSE(std::filesystem::exists(sandbox_.Host("Apps/Hello/TEST")));
  EXPECT_EQ(Text("ASKPATH"), "false");
}

std::vector<uint8_t> HelloSet() {
  std::vector<uint8_t> set;
  authoring::FileSetWriter writer(set, 11);
  platform::FileTimes times{
      {125911584000000000ULL}, {125911584000000011ULL}, {125911584000000022ULL}};
  writer.AddRecord("readme.txt", reinterpret_cast<const uint8_t*>("hello"), 5, times, 5);
  writer.AddRecord("bin\\tool.exe", reinterpret_cast<const uint8_t*>("MZtool"), 6, times, 6);
  writer.Finish();
  return set;
}

// A whole install, a second one over it, Cancel during the copy and an image
// without a file set are in tests/runner/install_sandbox_test.sh.
TEST_F(InstallObjectTest, ADamagedSetIsNoSuccess) {
  std::vector<uint8_t> set = HelloSet();
  set.resize(set.size() - 6);  // the last record's data and the end marker are cut off
  sandbox_.WriteImage(set);
  Run("INSTALLPATH = \"C:\\Hello\"");
  Answers("");
  EXPECT_EQ(Text("COPYFILES"), "false");
  EXPECT_TRUE(Said("[progress dialog]")) << transcript_.str();
}

}  // namespace
}  // namespace vorna
