// The checker on the program as a whole: the start-up control entry, the
// modules it and LOAD name, the lines that fail to load, the licence entry,
// long lines, and the products of the tree, which must check
// clean.
#include <filesystem>

#include "tests/unit/support/check_fixture.h"
#include "tests/unit/support/temp_folder.h"

namespace vorna::testing {
namespace {

namespace fs = std::filesystem;

// Each diagnostic as the checker prints it.
std::vector<std::string> Texts(const check::Diagnostics& diagnostics) {
  std::vector<std::string> texts;
  for (const check::Diagnostic& diagnostic : diagnostics.list()) {
    texts.push_back(check::FormatDiagnostic(diagnostic));
  }
  return texts;
}

TEST(CheckEntries, TheControlEntryNamesModulesThatExistAndOneHasMain) {
  EXPECT_EQ(CheckScript("SUB MAIN\nEND SUB\n", {{"STARTUP.CTL", ""}}), std::vector<std::string>{});
  EXPECT_EQ(CheckScript("SUB MAIN\nEND SUB\n",
                        {{"STARTUP.CTL", "~ comment\nSETUP.BAS\nsetup.bsa\nsetup.bas\n"}}),
            std::vector<std::string>{"STARTUP.CTL:3:1: error: module 'setup.bsa' not found (did "
                                     "you mean 'SETUP.BAS'?)"});
  EXPECT_EQ(CheckScript("SUB START\nEND SUB\n"),
            std::vector<std::string>{"STARTUP.CTL:1:1: error: no module has a SUB MAIN: the "
                                     "setup would stop with \"Main function not found.\""});
  check::EntrySet none;
  none.Add("SETUP.BAS", {});
  EXPECT_EQ(Texts(check::CheckProgram(none, "scripts/")),
            std::vector<std::string>{
                "scripts/STARTUP.CTL:1:1: error: the start-up control entry 'STARTUP.CTL' is "
                "missing"});
}

TEST(CheckEntries, EveryLineThatFailsToLoadIsNamed) {
  EXPECT_EQ(CheckScript("SUB MAIN\nEND SUB\n  sub main\nEND SUB\nSUB PRINT\nLEN: X = 1\n"),
            (std::vector<std::string>{
                "3:3: error: 'main' is defined twice in this module (the module fails to load "
                "with Name Already Declared)",
                "5:1: error: 'PRINT' cannot name a procedure or a label: a keyword, an empty "
                "name or one over 32 characters (the module fails to load with Illegal Function "
                "Name)",
                "6:1: error: 'LEN' cannot name a procedure or a label: a keyword, an empty name "
                "or one over 32 characters (the module fails to load with Illegal Function "
                "Name)"}));
}

TEST(CheckEntries, ModulesThatLoadNamesAreCheckedAndTheirProceduresCalled) {
  const MoreEntries more = {{"more.bas", "SUB INMORE(A)\n  FROB\nEND SUB\n"}};
  EXPECT_EQ(
      CheckScript("SUB MAIN\n  LOAD \"MORE.BAS\"\n  INMORE 1\n  LOAD \"NOSUCH.BAS\"\nEND SUB\n",
                  more),
      (std::vector<std::string>{"4:8: error: module 'NOSUCH.BAS' not found",
                                "more.bas:2:3: error: unknown statement or procedure "
                                "'FROB'"}));
}

TEST(CheckEntries, AModuleLoadedByAComputedNameMayDefineWhatTheCheckCannotSee) {
  EXPECT_EQ(CheckScript("SUB MAIN\n  M = \"MORE.BAS\"\n  LOAD M\n  INMORE\nEND SUB\n"),
            std::vector<std::string>{"4:3: warning: unknown statement or procedure 'INMORE', "
                                     "unless a module LOADed by a computed name defines it"});
}

TEST(CheckEntries, ALicenceMustBeThereForAskLicence) {
  const char* script = "SUB MAIN\n  N = \"LICENSE.TXT\"\n  IF ASKLICENSE(N) THEN BEEP\nEND SUB\n";
  EXPECT_EQ(CheckScript(script),
            std::vector<std::string>{"3:6: warning: ASKLICENSE is used, but the scripts hold no "
                                     "licence entry"});
  EXPECT_EQ(CheckScript(script, {{"LICENSE.TXT", "terms"}}), std::vector<std::string>{});
  EXPECT_EQ(CheckScript("SUB MAIN\n  X = ASKLICENSE(\"license.txt\")\nEND SUB\n",
                        {{"LICENSE.TXT", "terms"}}),
            std::vector<std::string>{});
}

TEST(CheckEntries, ALineTooLongForOneReadIsAnErrorAndItsPiecesAreNotRead) {
  const std::string script = "SUB MAIN\n  X = \"" + std::string(260, 'a') + "\"\nEND SUB\n";
  EXPECT_EQ(CheckScript(script),
            std::vector<std::string>{"2:255: error: line of 268 characters: the runtime reads at "
                                     "most 254 (255 from a packed setup) and runs the rest as a "
                                     "line of its own"});
  EXPECT_EQ(CheckScript("SUB MAIN\n  X = \"" + std::string(246, 'a') + "\"\nEND SUB\n"),
            std::vector<std::string>{});
}

// A packed image's entries are checked in tests/runner/vorna_pack_test.sh.
TEST(CheckEntries, AFileThatIsNoImageIsRefused) {
  TempFolder folder;
  EXPECT_THROW(check::ReadImageEntries(folder.Write("PLAIN.TXT", "no image")), std::runtime_error);
}

TEST(CheckEntries, DiagnosticsReadAsCompilersWriteThem) {
  check::Diagnostics diagnostics;
  diagnostics.Add({"B.BAS", 2, 5, check::Severity::Warning, "second file"});
  diagnostics.Add({"A.BAS", 9, 0, check::Severity::Error, "whole line"});
  diagnostics.Add({"B.BAS", 1, 3, check::Severity::Error, "first line"});
  diagnostics.Sort();
  EXPECT_EQ(Texts(diagnostics), (std::vector<std::string>{"B.BAS:1:3: error: first line",
                                                          "B.BAS:2:5: warning: second file",
                                                          "A.BAS:9:1: error: whole line"}));
  EXPECT_EQ(check::Summary(diagnostics), "2 errors, 1 warning");
  EXPECT_EQ(check::Summary(check::Diagnostics()), "no problems");
  // The caret stands under the column, past tabs as the line shows them.
  EXPECT_EQ(check::CaretLines("\tIF X THEN", 5), "    \tIF X THEN\n    \t   ^\n");
  EXPECT_EQ(check::CaretLines("PRINT", 0), "");
}

// The products of the tree are correct programs; the fixture that shows the
// start-up failure is not, and says so.
TEST(CheckEntries, TheExamplesAndTheSamplesCheckClean) {
  const fs::path source = VORNA_SOURCE_DIR;
  std::vector<fs::path> folders = {source / "examples" / "hello" / "scripts"};
  for (const char* parent : {"tests/debugger", "tests/e2e/fixtures"}) {
    for (const fs::directory_entry& entry : fs::directory_iterator(source / parent)) {
      if (entry.is_directory()) folders.push_back(entry.path());
    }
  }
  for (const fs::path& folder : folders) {
    SCOPED_TRACE(folder.string());
    std::vector<std::string> expected;
    if (folder.filename() == "no-main") {
      expected = {
          "STARTUP.CTL:3:1: error: no module has a SUB MAIN: the setup would stop with "
          "\"Main function not found.\""};
    }
    EXPECT_EQ(Texts(check::CheckProgram(check::ReadFolderEntries(folder), "")), expected);
  }
}

}  // namespace
}  // namespace vorna::testing
