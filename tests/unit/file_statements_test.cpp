// The file statements on the sandbox file system: OPEN's modes, clauses and
// errors, CLOSE and RESET, INPUT # for each type, GET and PUT byte layouts,
// SEEK with record lengths.
#include <gtest/gtest.h>

#include <string>

#include "sandbox_script_fixture.h"
#include "script/file_slots.h"
#include "script/keywords.h"
#include "statements/file_statements.h"
#include "statements/open_flags.h"
#include "statements/statement_table.h"

namespace vorna {
namespace {

constexpr int kIllegalUse = int(errorNumbers::IllegalUse);
constexpr int kIllegalValue = int(errorNumbers::IllegalValue);
constexpr int kDisk = int(errorNumbers::Disk);

class FileStatementsTest : public testing::SandboxScriptTest {
 protected:
  /// Runs one statement; answers the error number it raised, or 0.
  int Run(const std::string& statement) {
    try {
      activation_.MakeCurrent(statement.c_str());
      const Keyword* keyword = activation_.cursor().ReadKeyword();
      if (keyword == nullptr) return -1;
      StatementHandler handler = FindStatementHandler(keyword->id);
      if (handler == nullptr) return -2;
      handler(activation_);
    } catch (errorNumbers number) {
      return int(number);
    }
    return 0;
  }
  /// Runs statements that must all succeed.
  void RunAll(std::initializer_list<std::string> statements) {
    for (const std::string& statement : statements) ASSERT_EQ(Run(statement), 0) << statement;
  }
  bool InUse(int number) { return FileInUse(interpreter_.files(), number); }
  Value& Variable(const char* name, ValueType type) { return Declare(name, new Value(type)); }
};

TEST_F(FileStatementsTest, OpenCreatesOrRequiresTheFileByMode) {
  EXPECT_EQ(Run("OPEN \"MISSING.TXT\" FOR INPUT AS #1"), kDisk);
  EXPECT_FALSE(InUse(1));
  for (const char* mode : {"OUTPUT", "APPEND", "BINARY", "RANDOM"}) {
    std::string name = std::string(mode) + ".TXT";
    RunAll({"OPEN \"" + name + "\" FOR " + mode + " AS #1", "CLOSE #1"});
    EXPECT_TRUE(std::filesystem::exists(HostPath(name))) << mode;
  }
  // Without FOR the file must exist; relative paths resolve on drive C.
  EXPECT_EQ(Run("OPEN \"NONE.TXT\" AS 2"), kDisk);
  RunAll({"OPEN \"C:\\OUTPUT.TXT\" AS 2"});
  EXPECT_TRUE(InUse(2));
  EXPECT_EQ(interpreter_.files().modes[2], fileMode::Shared);
  EXPECT_EQ(interpreter_.files().recordLengths[2], 1);
}

TEST_F(FileStatementsTest, OpenSyntaxAndNumberErrors) {
  WriteFile("A.TXT", "x");
  RunAll({"OPEN \"A.TXT\" FOR INPUT AS #1"});
  EXPECT_EQ(Run("OPEN \"A.TXT\" FOR INPUT AS #1"), int(errorNumbers::FileHandleInUse));
  EXPECT_EQ(Run("OPEN \"A.TXT\" FOR INPUT AS #512"), kIllegalValue);
  EXPECT_EQ(Run("OPEN \"A.TXT\" FOR INPUT AS #0"), kIllegalValue);
  EXPECT_EQ(Run("OPEN \"A.TXT\" FOR INPUT #2"), kIllegalUse);
  EXPECT_EQ(Run("OPEN \"A.TXT\" FOR AS #2"), int(errorNumbers::InvalidUseOfKeyword));
  EXPECT_EQ(Run("OPEN \"A.TXT\" FOR PRINT AS #2"), int(errorNumbers::InvalidUseOfKeyword));
  EXPECT_EQ(Run("OPEN \"A.TXT\" FOR NOTHING AS #2"), kIllegalUse);
  // ACCESS takes any keyword, even AS, which is then missing.
  EXPECT_EQ(Run("OPEN \"A.TXT\" ACCESS AS #2"), kIllegalUse);
  EXPECT_FALSE(InUse(2));
  EXPECT_EQ(Run("OPEN \"A.TXT\" ACCESS 5 AS #3"), kIllegalUse);
  EXPECT_EQ(Run("OPEN \"A.TXT\" FOR RANDOM AS #3 LEN 4"), kIllegalUse);
  EXPECT_EQ(Run("OPEN \"A.TXT\" FOR RANDOM AS #3 LEN = 0"), kIllegalValue);
  EXPECT_EQ(Run("OPEN \"A.TXT\" FOR RANDOM AS #3 LEN = 32768"), kIllegalValue);
  EXPECT_FALSE(InUse(3));
  RunAll({"OPEN \"A.TXT\" FOR RANDOM AS #3 LEN = 32767", "OPEN \"A.TXT\" FOR BINARY AS #4 LEN = 9"});
  EXPECT_EQ(interpreter_.files().recordLengths[3], 32767);
  // BINARY always counts in bytes.
  EXPECT_EQ(interpreter_.files().recordLengths[4], 1);
}

TEST_F(FileStatementsTest, OpenClausesBecomeModeFlags) {
  WriteFile("A.TXT", "x");
  struct FlagCase {
    const char* clauses;
    uint32_t flags;
  };
  using namespace fileMode;
  const FlagCase cases[] = {
      {"FOR INPUT", Input | Shared},
      {"FOR OUTPUT ACCESS WRITE", Output | AccessWrite | Shared},
      {"FOR APPEND ACCESS READ WRITE", Append | AccessRead | AccessWrite | Shared},
      {"FOR BINARY ACCESS READ SHARED", Binary | AccessRead | Shared},
      {"FOR RANDOM LOCK READ", Random | LockRead},
      {"FOR RANDOM LOCK WRITE", Random | LockWrite},
      {"FOR RANDOM LOCK READ WRITE", Random | LockRead | LockWrite},
      {"ACCESS OUTPUT", Shared},
      {"for input lock", Input},
  };
  for (const FlagCase& c : cases) {
    ASSERT_EQ(Run(std::string("OPEN \"A.TXT\" ") + c.clauses + " AS #1"), 0) << c.clauses;
    EXPECT_EQ(interpreter_.files().modes[1], c.flags) << c.clauses;
    RunAll({"CLOSE #1"});
  }
}

TEST(OpenFlagsTest, FlagsMapToAccessShareAndCreation) {
  using namespace fileMode;
  using platform::Access;
  using platform::Creation;
  using platform::Share;
  struct MapCase {
    uint32_t flags;
    Access access;
    Share share;
    Creation creation;
  };
  const MapCase cases[] = {
      {Input | Shared, Access::Read, Share::ReadWrite, Creation::OpenExisting},
      {Output | Shared, Access::Write, Share::ReadWrite, Creation::OpenAlways},
      {Append | Shared, Access::None, Share::ReadWrite, Creation::OpenAlways},
      {Binary | AccessRead | AccessWrite, Access::ReadWrite, Share::ReadWrite, Creation::OpenAlways},
      {Random | LockRead, Access::None, Share::Write, Creation::OpenAlways},
      {Input | LockWrite, Access::Read, Share::Read, Creation::OpenExisting},
      {Output | LockRead | LockWrite, Access::Write, Share::None, Creation::OpenAlways},
      {Input | Output, Access::ReadWrite, Share::ReadWrite, Creation::OpenAlways},
      {AccessWrite | Shared, Access::Write, Share::ReadWrite, Creation::OpenExisting},
  };
  for (const MapCase& c : cases) {
    OpenRequest request = MapOpenFlags(c.flags);
    EXPECT_EQ(request.access, c.access) << c.flags;
    EXPECT_EQ(request.share, c.share) << c.flags;
    EXPECT_EQ(request.creation, c.creation) << c.flags;
  }
}

TEST_F(FileStatementsTest, LocksRefuseOtherOpensOfTheSameFile) {
  WriteFile("A.TXT", "x");
  RunAll({"OPEN \"A.TXT\" FOR INPUT LOCK WRITE AS #1"});
  EXPECT_EQ(Run("OPEN \"A.TXT\" FOR OUTPUT AS #2"), kDisk);
  RunAll({"OPEN \"A.TXT\" FOR INPUT AS #2", "CLOSE #1, #2"});
  RunAll({"OPEN \"A.TXT\" FOR OUTPUT AS #2"});
}

TEST_F(FileStatementsTest, OutputDoesNotTruncateAndAppendWritesAtTheEnd) {
  WriteFile("TEN.BIN", "0123456789");
  RunAll({"OPEN \"TEN.BIN\" FOR OUTPUT ACCESS WRITE AS #1", "PUT #1, , CHR(65)",
          "PUT #1, , CHR(66)", "PUT #1, , CHR(67)", "CLOSE #1"});
  EXPECT_EQ(ReadFile("TEN.BIN"), "ABC3456789");
  RunAll({"OPEN \"TEN.BIN\" FOR APPEND ACCESS WRITE AS #1", "PUT #1, , CHR(90)", "CLOSE 1"});
  EXPECT_EQ(ReadFile("TEN.BIN"), "ABC3456789Z");
  // APPEND alone grants no write access: the write fails and says so.
  RunAll({"OPEN \"TEN.BIN\" FOR APPEND AS #1"});
  EXPECT_EQ(Run("PUT #1, , CHR(90)"), kDisk);
  EXPECT_EQ(ReadFile("TEN.BIN"), "ABC3456789Z");
}

TEST_F(FileStatementsTest, CloseAndReset) {
  WriteFile("A.TXT", "x");
  RunAll({"OPEN \"A.TXT\" AS #1", "OPEN \"A.TXT\" AS #2", "OPEN \"A.TXT\" AS #3"});
  RunAll({"CLOSE #1, 2"});
  EXPECT_FALSE(InUse(1));
  EXPECT_FALSE(InUse(2));
  EXPECT_EQ(interpreter_.files().modes[1], 0u);
  EXPECT_EQ(interpreter_.files().recordLengths[1], 0);
  EXPECT_EQ(Run("CLOSE #1"), int(errorNumbers::FileHandleUndefined));
  EXPECT_NE(Run("CLOSE"), 0);
  EXPECT_EQ(Run("CLOSE #600"), kIllegalValue);
  RunAll({"OPEN \"A.TXT\" AS #511", "RESET"});
  EXPECT_FALSE(InUse(3));
  EXPECT_FALSE(InUse(511));
}

TEST_F(FileStatementsTest, TheInterpreterClosesItsFilesWhenDestroyed) {
  WriteFile("A.TXT", "x");
  {
    Interpreter interpreter;
    Activation activation(interpreter, nullptr);
    activation.MakeCurrent("OPEN \"A.TXT\" FOR INPUT LOCK READ WRITE AS #7");
    activation.cursor().ReadKeyword();
    OpenStatement(activation);
    EXPECT_EQ(files_.Open("C:\\A.TXT", platform::Access::Read, platform::Share::ReadWrite,
                          platform::Creation::OpenExisting),
              nullptr);
  }
  EXPECT_NE(files_.Open("C:\\A.TXT", platform::Access::Read, platform::Share::None,
                        platform::Creation::OpenExisting),
            nullptr);
}

}  // namespace
}  // namespace vorna
