// The install object driven through an activation, in a sandbox platform
// whose dialogs are answered by the test: what the asking members show and
// judge, and COPYFILES of a damaged set. What scripts see of the fields,
// functions and dialogs is in tests/scripts/install/ and
// tests/runner/install_sandbox_test.sh.
#include "install/install_object.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "host/startup/language_setup.h"
#include "install/install_settings.h"
#include "platform/installed_platform.h"
#include "script/activation.h"
#include "script/evaluator.h"
#include "script/interpreter.h"
#include "tests/unit/support/fileset_fixture.h"
#include "tools/pack/authoring/fileset_writer.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {
namespace {

using testing::WriteHostFile;

// Answers the install dialogs as the test says and records what they showed.
class DialogInteraction : public testing::ScriptedInteraction {
 public:
  int LicenceDialog(const platform::LicenceDialogRequest& request) override {
    licenceTexts.push_back(request.text);
    return licenceAnswer;
  }
  int DriveDialog(const platform::DriveDialogRequest& request) override {
    drive = request;
    ++driveDialogs;
    for (char letter : driveClicks) {
      platform::OkVerdict verdict = request.onOk(letter);
      if (verdict.accepted) return platform::kDialogAccepted;
      refusals.push_back(verdict.message);
    }
    return platform::kDialogQuit;
  }
  int PathDialog(const platform::PathDialogRequest& request) override {
    shownPath = request.path;
    for (const std::string& text : typedPaths) {
      platform::OkVerdict verdict = request.onOk(text);
      if (verdict.accepted) return platform::kDialogAccepted;
      refusals.push_back(verdict.message);
    }
    return platform::kDialogQuit;
  }
  // The dialog waits for the end mark, as its timer does.
  int ProgressDialog(const platform::ProgressDialogRequest& request) override {
    ++progressDialogs;
    request.job->Start();
    while (!request.job->Ended()) std::this_thread::yield();
    return platform::kDialogAccepted;
  }

  int licenceAnswer = platform::kDialogAccepted;
  std::vector<std::string> licenceTexts;
  platform::DriveDialogRequest drive;
  int driveDialogs = 0;
  std::vector<char> driveClicks;
  std::string shownPath;
  std::vector<std::string> typedPaths;
  std::vector<std::string> refusals;
  int progressDialogs = 0;
};

class InstallObjectTest : public ::testing::Test {
 protected:
  InstallObjectTest() {
    SharedInstallSettings().Clear();
    platform::Platform machine = platform::Current();
    machine.interaction = &dialogs_;
    platform::SetPlatform(machine);
    RegisterKeywords(interpreter_);
    RegisterInstallObject(interpreter_);
  }
  ~InstallObjectTest() override { SharedInstallSettings().Clear(); }

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
  DialogInteraction dialogs_;
  Interpreter interpreter_{platform::Current()};
  Activation activation_{interpreter_, nullptr};
};

// The shown text and the word's forms are in tests/scripts/install/member_words.bas.
TEST_F(InstallObjectTest, AskLicenseOfAMissingEntryShowsAnEmptyText) {
  dialogs_.licenceAnswer = platform::kDialogQuit;
  EXPECT_EQ(Text("ASKLICENSE(\"MISSING.TXT\")"), "false");
  EXPECT_EQ(dialogs_.licenceTexts, std::vector<std::string>{""});
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
  dialogs_.driveClicks = {'D', 'E'};
  EXPECT_EQ(Text("ASKDRIVE"), "true");
  const platform::DriveDialogRequest& shown = dialogs_.drive;
  EXPECT_EQ(shown.caption, "Setup");
  EXPECT_EQ(shown.programName, "Hello");
  EXPECT_EQ(shown.spaceNote, "NOTE: Program requires 4 K of drive space.");
  ASSERT_EQ(shown.drives.size(), 4u);  // C, D, E, G: no CD-ROM, no unassigned letters
  EXPECT_EQ(shown.drives[1].text, "D:\tD\t1000 bytes");  // the sandbox names a drive by its letter
  EXPECT_EQ(shown.drives[2].text, "E:\tWORK\t204 K");
  EXPECT_EQ(shown.drives[3].text, "G:\t\t204 K");
  // C has the host's free space, so it is the first one with room.
  EXPECT_EQ(shown.preselected, 0);
  // D lacks room: refused; E has exactly the total plus the margin: accepted.
  EXPECT_EQ(dialogs_.refusals,
            (std::vector<std::string>{"There is not enough free space on that drive"}));
  EXPECT_EQ(Field(InstallField::InstallPath), "E:\\Apps\\Hello");
  dialogs_.driveClicks = {};
  EXPECT_EQ(Text("ASKDRIVE"), "false");
  EXPECT_EQ(Field(InstallField::InstallPath), "E:\\Apps\\Hello");
}

TEST_F(InstallObjectTest, AskPathCreatesTheFolderAndTestsIt) {
  WriteHostFile(sandbox_.Host("Blocked"), "a file where a folder should be");
  Run("INSTALLPATH = \"C:\\Start\"");
  dialogs_.typedPaths = {"C:\\Blocked\\Sub", "C:\\Apps\\Hello"};
  EXPECT_EQ(Text("ASKPATH"), "true");
  EXPECT_EQ(dialogs_.shownPath, "C:\\Start");
  EXPECT_EQ(dialogs_.refusals, (std::vector<std::string>{"Error, can not create that directory."}));
  EXPECT_EQ(Field(InstallField::InstallPath), "C:\\Apps\\Hello");
  EXPECT_TRUE(std::filesystem::is_directory(sandbox_.Host("Apps/Hello")));
  EXPECT_FALSE(std::filesystem::exists(sandbox_.Host("Apps/Hello/TEST")));
  dialogs_.typedPaths = {};
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
  EXPECT_EQ(Text("COPYFILES"), "false");
  EXPECT_EQ(dialogs_.progressDialogs, 1);
}

}  // namespace
}  // namespace vorna
