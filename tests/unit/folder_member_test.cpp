// SPECIALFOLDER as a word of the install object: its arguments and its result.
#include <gtest/gtest.h>

#include "install/install_object.h"
#include "script/evaluator.h"
#include "tests/unit/support/error_of.h"
#include "tests/unit/support/system_fixture.h"
#include "tests/unit/support/temp_folder.h"
#include "values/value.h"

namespace vorna {
namespace {

constexpr int kIllegalUse = static_cast<int>(errorNumbers::IllegalUse);
constexpr int kTypeMismatch = static_cast<int>(errorNumbers::TypeMismatch);

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
  int ErrorOf(const char* text) {
    Value result;
    return testing::ErrorOf([&] { Evaluate(text, result); });
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

TEST_F(SpecialFolderMemberTest, ArgumentErrors) {
  EXPECT_EQ(ErrorOf("SPECIALFOLDER(\"DESKTOP\", 1)"), kTypeMismatch);
  EXPECT_EQ(ErrorOf("SPECIALFOLDER(5)"), kTypeMismatch);
  EXPECT_EQ(ErrorOf("SPECIALFOLDER \"DESKTOP\""), kIllegalUse);
  EXPECT_EQ(ErrorOf("SPECIALFOLDER(\"DESKTOP\""), kIllegalUse);
  EXPECT_EQ(ErrorOf("SPECIALFOLDER(\"DESKTOP\" FALSE)"), kIllegalUse);
  // A typed receiver that cannot hold text.
  Value number(int32_t{0});
  try {
    Evaluate("SPECIALFOLDER(\"DESKTOP\")", number);
    FAIL() << "no error";
  } catch (errorNumbers error) {
    EXPECT_EQ(error, errorNumbers::TypeMismatch);
  }
}

TEST_F(SpecialFolderMemberTest, ALongerWordIsNotTheMember) {
  EXPECT_EQ(ErrorOf("SPECIALFOLDERS(\"DESKTOP\")"), 0);
  Value result;
  EXPECT_EQ(Evaluate("SPECIALFOLDERS", result), "");
  EXPECT_NE(result.type(), ValueType::STRING);
}

}  // namespace
}  // namespace vorna
