// Loading modules into line lists: labels, procedure headers and their names,
// errors while loading, the split of long lines. What scripts see of comments,
// line numbers and the split of a long plain line is in errors/line_numbers.bas
// and expressions/evaluator_edges.bas.
#include "script/module_loader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "installdata/scramble.h"
#include "platform/installed_platform.h"
#include "tests/unit/support/error_of.h"
#include "tests/unit/support/fileset_fixture.h"
#include "values/errors.h"

namespace vorna {
namespace {

using testing::ErrorOf;

// "name|text|line" for each node of a list, name "-" when it has none.
std::vector<std::string> Describe(NodeList& list) {
  std::vector<std::string> out;
  for (NamedNode* node = list.head(); node; node = node->next()) {
    auto* line = static_cast<ProgramLine*>(node);
    out.push_back(std::string(line->name() ? line->name() : "-") + "|" + line->text() + "|" +
                  std::to_string(line->lineNumber()));
  }
  return out;
}

using Lines = std::vector<std::string>;

TEST(AddLine, LabelsStartInTheFirstColumnAndHoldLettersAndDigits) {
  Module module;
  AddLine(module, "Start:", 0);
  AddLine(module, "Again2: x = 1", 1);
  AddLine(module, " Indented: X", 2);
  AddLine(module, "My_Label: X = 1", 3);
  AddLine(module, "PRINT \"a:b\"", 4);
  AddLine(module, ":X", 5);
  AddLine(module, "Here: ' note", 6);
  EXPECT_EQ(Describe(module.top()),
            (Lines{"START||0", "AGAIN2|X = 1|1", "-|INDENTED: X|2", "-|MY_LABEL: X = 1|3",
                   "-|PRINT \"a:b\"|4", "-|:X|5", "HERE|' NOTE|6"}));
  // The text after a label starts after its colon and blanks.
  EXPECT_EQ(static_cast<ProgramLine*>(module.top().head()->next())->column(), 8);
}

TEST(AddLine, ProcedureHeadersOpenTheirOwnLineList) {
  Module module;
  AddLine(module, "dim g", 0);
  AddLine(module, "sub Foo (a)", 1);
  AddLine(module, "x = a", 2);
  AddLine(module, "END SUB", 3);
  AddLine(module, "y = 2", 4);
  AddLine(module, "  FUNCTION\tBar(b)", 5);
  AddLine(module, "FUNCTION", 6);
  EXPECT_EQ(Describe(module.top()),
            (Lines{"-|DIM G|0", "~FOO|SUB FOO (A)|1", "~BAR|FUNCTION\tBAR(B)|5"}));
  ProgramLine* foo = FindProcedure(module, "foo");
  ASSERT_NE(foo, nullptr);
  EXPECT_TRUE(foo->isProcedure());
  EXPECT_EQ(Describe(foo->lines()),
            (Lines{"~FOO|SUB FOO (A)|1", "-|X = A|2", "-|END SUB|3", "-|Y = 2|4"}));
  ProgramLine* bar = FindProcedure(module, "BAR");
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->column(), 2);
  EXPECT_EQ(Describe(bar->lines()), (Lines{"~BAR|FUNCTION\tBAR(B)|5", "-|FUNCTION|6"}));
  EXPECT_EQ(FindProcedure(module, "BA"), nullptr);
}

TEST(AddLine, RefusesDuplicateAndIllegalProcedureNames) {
  Module module;
  auto add = [&module](const std::string& line) {
    return ErrorOf([&] { AddLine(module, line.c_str(), 1); });
  };
  EXPECT_EQ(add("SUB A"), 0);
  EXPECT_EQ(add("function a(x)"), 1);
  for (const char* line : {"SUB Print (a)", "FUNCTION STRING", "SUB (a)", "Print: X = 1"}) {
    EXPECT_EQ(add(line), 51) << line;
  }
  EXPECT_EQ(add("SUB " + std::string(32, 'P') + "(x)"), 0);
  EXPECT_EQ(add("SUB " + std::string(33, 'Q')), 51);
  EXPECT_EQ(add("Printx: X = 1"), 0);
  Module other;  // the same name in another module is allowed
  EXPECT_EQ(ErrorOf([&] { AddLine(other, "SUB A", 0); }), 0);
}

TEST(FindLabel, SeesOnlyTheTopList) {
  Module module;
  AddLine(module, "TOP: X = 1", 0);
  AddLine(module, "SUB FOO", 1);
  AddLine(module, "INNER: Y = 2", 2);
  EXPECT_STREQ(FindLabel(module, "TOP")->text(), "X = 1");
  EXPECT_EQ(ErrorOf([&] { FindLabel(module, "INNER"); }), 47);
  EXPECT_EQ(ErrorOf([&] { FindLabel(module, "MISSING"); }), 47);
  EXPECT_EQ(ErrorOf([&] { FindLabel(module, "~FOO"); }), 47);
}

// Modules are plain files of drive C, the current folder, unless a test packs a setup.
class LoaderTest : public ::testing::Test {
 protected:
  void Write(const std::string& name, const std::string& text) {
    testing::WriteHostFile(sandbox_.Host(name), text);
  }

  testing::SandboxPlatform sandbox_;
};

TEST_F(LoaderTest, AMissingOrFailingModuleRaisesItsErrorAndIsNotAdded) {
  NodeList modules;
  EXPECT_EQ(ErrorOf([&] { LoadModule(*platform::Current().files, modules, "MISSING"); }), 46);
  EXPECT_EQ(ErrorOf([&] {
              LoadModule(*platform::Current().files, modules, std::string(256, 'M').c_str());
            }),
            46);
  EXPECT_EQ(modules.count(), 0);
  Module module;
  EXPECT_EQ(module.nameField(), "<NONE>");
  EXPECT_EQ(ErrorOf([&] { ReadModule(*platform::Current().files, module, "MISSING"); }), 46);
  EXPECT_EQ(module.nameField(), "<NONE>");
  // Nor is a module whose lines fail to load.
  Write("DUP", "SUB A\r\nSUB A\r\n");
  EXPECT_EQ(ErrorOf([&] { LoadModule(*platform::Current().files, modules, "DUP"); }), 1);
  EXPECT_EQ(modules.count(), 0);
}

TEST_F(LoaderTest, ALineErrorHandlerHearsEveryFailingLineAndTheLoadGoesOn) {
  Write("BAD", "SUB A\r\n  SUB A\r\nX = 1\r\nPRINT: Y\r\n");
  NodeList modules;
  std::vector<std::string> heard;
  Module* module =
      LoadModule(*platform::Current().files, modules, "BAD",
                 [&](errorNumbers number, int32_t line, int32_t column) {
                   heard.push_back(std::to_string(static_cast<int>(number)) + "@" +
                                   std::to_string(line) + ":" + std::to_string(column));
                 });
  EXPECT_EQ(heard, (std::vector<std::string>{"1@1:0", "51@3:0"}));
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(Describe(FindProcedure(*module, "A")->lines()), (Lines{"~A|SUB A|0", "-|X = 1|2"}));
  EXPECT_EQ(static_cast<ProgramLine*>(module->top().head())->column(), 0);
}

TEST_F(LoaderTest, EarliestLoadedModuleWinsAProcedureLookup) {
  Write("ONE", "SUB SHARED1\r\nSUB MAIN\r\n");
  Write("TWO", "SUB MAIN\r\nSUB ONLYTWO\r\n");
  NodeList modules;
  Module* one = LoadModule(*platform::Current().files, modules, "ONE");
  Module* two = LoadModule(*platform::Current().files, modules, "TWO");
  EXPECT_EQ(FindProcedureInModules(modules, "main").module, one);
  ProcedureRef onlyTwo = FindProcedureInModules(modules, "ONLYTWO");
  EXPECT_EQ(onlyTwo.module, two);
  EXPECT_STREQ(onlyTwo.procedure->name(), "~ONLYTWO");
  ProcedureRef none = FindProcedureInModules(modules, "NONE");
  EXPECT_EQ(none.module, nullptr);
  EXPECT_EQ(none.procedure, nullptr);
}

TEST_F(LoaderTest, AReadThatStopsBetweenCarriageReturnAndLineFeedEndsOneLine) {
  // 253 characters and the CR fill one plain-file read; the LF comes alone.
  Write("EDGE", std::string(253, 'A') + "\r\nB\r\n");
  NodeList modules;
  Module* module = LoadModule(*platform::Current().files, modules, "EDGE");
  EXPECT_EQ(Describe(module->top()), (Lines{"-|" + std::string(253, 'A') + "|0", "-|B|1"}));
}

TEST_F(LoaderTest, LongContainerLinesLoseTheir256thCharacter) {
  std::string line;
  for (int i = 0; i < 300; ++i) line += static_cast<char>('A' + i % 26);
  const std::string text = line + "\r\nB\r\n";  // packed with a file set of its total alone
  sandbox_.WriteImageWithEntries({0, 0, 0, 0},
                                 {{"LONG", std::vector<uint8_t>(text.begin(), text.end())}});
  NodeList modules;
  Module* module = LoadModule(*platform::Current().files, modules, "long");
  ClearContainerKey();
  EXPECT_EQ(Describe(module->top()),
            (Lines{"-|" + line.substr(0, 255) + "|0", "-|" + line.substr(256) + "|0", "-|B|1"}));
  EXPECT_EQ(static_cast<ProgramLine*>(module->top().head()->next())->column(), 256);
}

}  // namespace
}  // namespace vorna
