// SPECIALFOLDER as a word of the install object over a registry of the test:
// where it leaves the cursor and the keys it closes (its names, flag and
// errors are in system/shell_folders.bas).
#include <gtest/gtest.h>

#include "install/install_object.h"
#include "script/evaluator.h"
#include "tests/unit/support/system_fixture.h"
#include "values/value.h"

namespace vorna {
namespace {

const char* const kFolders =
    "REGEDIT4\r\n\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell "
    "Folders]\r\n"
    "\"Common Desktop\"=\"C:\\\\Public\\\\Desktop\"\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders]\r\n"
    "\"Desktop\"=\"C:\\\\Me\\\\Desktop\"\r\n"
    "\"Fonts\"=\"C:\\\\Windows\\\\Fonts\"\r\n"
    "\r\n";

class SpecialFolderMemberTest : public testing::SystemTest {
 protected:
  void SetUp() override {
    SystemTest::SetUp();
    PrepareFile(kFolders);
    RegisterInstallObject(interpreter_);
  }
  /// Evaluates text into result and answers the text the evaluator left.
  std::string Evaluate(const char* text, Value& result) {
    activation_.MakeCurrent(text);
    EvaluateExpression(activation_, result);
    return activation_.cursor().rest();
  }
};

TEST_F(SpecialFolderMemberTest, AnswersEndAtTheirParenthesisAndCloseEveryKey) {
  Value result;
  EXPECT_EQ(Evaluate("SpecialFolder ( \"desktop\" , FALSE ): PRINT", result), ": PRINT");
  EXPECT_STREQ(result.AsString(), "C:\\Me\\Desktop");
  EXPECT_EQ(Evaluate("SPECIALFOLDER(\"DESKTOP\")", result), "");
  EXPECT_STREQ(result.AsString(), "C:\\Public\\Desktop");
  Evaluate("SPECIALFOLDER(\"MYFOLDER\", TRUE)", result);
  EXPECT_EQ(registry_.OpenKeyCount(), 0u);
}

}  // namespace
}  // namespace vorna
