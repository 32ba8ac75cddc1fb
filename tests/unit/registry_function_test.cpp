// The REGISTRY function over a sandbox registry file.
#include <gtest/gtest.h>

#include "platform/installed_platform.h"
#include "tests/unit/support/error_of.h"
#include "tests/unit/support/evaluator_fixture.h"
#include "tests/unit/support/sandbox_registry.h"

namespace vorna {
namespace {

class RegistryFunctionTest : public testing::SandboxRegistryTest {
 protected:
  RegistryFunctionTest() { RegisterKeywords(interpreter_); }

  std::string Read(const char* expression) {
    activation_.MakeCurrent(expression);
    Value result;
    EvaluateExpression(activation_, result);
    return result.AsString();
  }
  int ErrorOf(const char* expression) {
    return testing::ErrorOf([&] { Read(expression); });
  }

  Interpreter interpreter_{platform::Current()};
  Activation activation_{interpreter_, nullptr};
};

TEST_F(RegistryFunctionTest, ReadsAValueAndFailsWithIllegalUse) {
  PrepareFile(
      "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Vorna]\r\n"
      "\"Path\"=\"C:\\\\Program Files\\\\Vorna\"\r\n\"Empty\"=hex(1):\r\n\"Blank\"=\"\"\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\Software\\Vorna]\r\n\"Where\"=\"machine\"\r\n");
  EXPECT_EQ(Read("REGISTRY(\"HKEY_CURRENT_USER\\Software\\Vorna\", \"Path\")"),
            "C:\\Program Files\\Vorna");
  // Without a root prefix the path is taken under HKEY_LOCAL_MACHINE.
  EXPECT_EQ(Read("REGISTRY(\"Software\\Vorna\", \"Where\")"), "machine");
  constexpr int kIllegalUse = int(errorNumbers::IllegalUse);
  EXPECT_EQ(ErrorOf("REGISTRY(\"HKEY_CURRENT_USER\\Software\\None\", \"Path\")"), kIllegalUse);
  EXPECT_EQ(ErrorOf("REGISTRY(\"HKEY_CURRENT_USER\\Software\\Vorna\", \"None\")"), kIllegalUse);
  EXPECT_EQ(ErrorOf("REGISTRY(\"HKEY_CURRENT_USER\\Software\\Vorna\", \"Empty\")"), kIllegalUse);
  EXPECT_EQ(ErrorOf("REGISTRY(\"HKEY_CURRENT_USER\\Software\\Vorna\")"), kIllegalUse);
  // An empty text still has its terminating zero: one byte, so it reads.
  EXPECT_EQ(Read("REGISTRY(\"HKEY_CURRENT_USER\\Software\\Vorna\", \"Blank\")"), "");
  // A failed read creates nothing.
  EXPECT_EQ(FileText().find("None"), std::string::npos);
}

}  // namespace
}  // namespace vorna
