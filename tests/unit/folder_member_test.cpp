// SPECIALFOLDER as a word of the install object over a registry of the test:
// its result, where it leaves the cursor, and the keys it closes (its argument
// errors are in system/shell_folders.bas).
#include <gtest/gtest.h>

#include "install/install_object.h"
#include "script/evaluator.h"
#include "tests/unit/support/system_fixture.h"
#include "tests/unit/support/temp_folder.h"
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
    testing::WriteHostFile(registry_.filePath(), kFolders);
    SystemTest::SetUp();
    RegisterInstallObject(interpreter_);
  }
  /// Evaluates text into result and answers the text the evaluator left.
  std::string Evaluate(const char* text, Value& result) {
    activation_.MakeCurrent(text);
    EvaluateExpression(activation_, result);
    return activation_.cursor().rest();
  }
  std::string Text(const char* text) {
    Value result;
    Evaluate(text, result);
    EXPECT_EQ(result.type(), ValueType::STRING) << text;
    return result.AsString();
  }
};

TEST_F(SpecialFolderMemberTest, NamesInAnyCaseAndTheAllUsersFlag) {
  EXPECT_EQ(Text("SPECIALFOLDER(\"DESKTOP\")"), "C:\\Public\\Desktop");
  EXPECT_EQ(Text("specialfolder(\"Desktop\", TRUE)"), "C:\\Public\\Desktop");
  EXPECT_EQ(Text("SpecialFolder ( \"desktop\" , FALSE )"), "C:\\Me\\Desktop");
  EXPECT_EQ(Text("SPECIALFOLDER(\"FONTS\", TRUE)"), "C:\\Windows\\Fonts");
  EXPECT_EQ(Text("SPECIALFOLDER(\"MYFOLDER\")"), "");
  EXPECT_EQ(Text("SPECIALFOLDER(\"RECIENT\", FALSE)"), "");
  // The word is an operand like any other.
  EXPECT_EQ(Text("SPECIALFOLDER(\"FONTS\") & \"\\X\""), "C:\\Windows\\Fonts\\X");
  Value rest;
  EXPECT_EQ(Evaluate("SPECIALFOLDER(\"FONTS\"): PRINT", rest), ": PRINT");
  EXPECT_EQ(registry_.OpenKeyCount(), 0u);
}

}  // namespace
}  // namespace vorna
