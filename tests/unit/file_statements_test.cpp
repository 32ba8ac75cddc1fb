// The file statements on the sandbox file system: OPEN's modes, clauses and
// errors, CLOSE and RESET, INPUT # for each type, GET and PUT byte layouts,
// SEEK with record lengths.
#include "statements/file_statements.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/installed_platform.h"
#include "script/file_slots.h"
#include "script/keywords.h"
#include "script/statement_table.h"
#include "statements/open_flags.h"
#include "tests/unit/support/sandbox_script_fixture.h"

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
      StatementHandler handler = interpreter_.statements().Find(keyword->id);
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
  RunAll(
      {"OPEN \"A.TXT\" FOR RANDOM AS #3 LEN = 32767", "OPEN \"A.TXT\" FOR BINARY AS #4 LEN = 9"});
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
      {Binary | AccessRead | AccessWrite, Access::ReadWrite, Share::ReadWrite,
       Creation::OpenAlways},
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
    Interpreter interpreter(platform::Current());
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

/// The bytes of a text given as hex pairs ("02 00 41").
std::string Bytes(const char* hex) {
  std::string bytes;
  for (const char* p = hex; *p; ++p) {
    if (*p == ' ') continue;
    bytes.push_back(static_cast<char>(std::stoi(std::string(p, 2), nullptr, 16)));
    ++p;
  }
  return bytes;
}

TEST_F(FileStatementsTest, PutWritesTheLayoutOfEachType) {
  Declare("R", new Value(1.5f));
  Declare("I", new Value(int16_t{-2}));
  Declare("L", new Value(int32_t{0x01020304}));
  Declare("Y", new Value(uint8_t{200}));
  Declare("B", new Value(true));
  Declare("NO", new Value(false));
  RunAll({"OPEN \"REC.BIN\" FOR BINARY ACCESS WRITE AS #1", "PUT #1, , \"AB\"", "PUT #1, , 0.5",
          "PUT #1, , R", "PUT #1, , I", "PUT #1, , L", "PUT #1, , Y", "PUT #1, , B", "PUT #1, , NO",
          "PUT #1, , CHR(255)", "PUT #1, , \"\"", "CLOSE #1"});
  EXPECT_EQ(ReadFile("REC.BIN"), Bytes("02 00 41 42"
                                       "00 00 00 00 00 00 E0 3F"
                                       "00 00 00 00 00 00 F8 3F"
                                       "FE FF 00 00 00 00 00 00"
                                       "04 03 02 01"
                                       "C8"
                                       "01"
                                       "00"
                                       "FF"
                                       "00 00"));
}

TEST_F(FileStatementsTest, GetReadsEachTypeBack) {
  WriteFile("REC.BIN", Bytes("02 00 41 42"
                             "00 00 00 00 00 00 E0 3F"
                             "00 00 00 00 00 00 04 40"
                             "FE FF 11 22 33 44 55 66"
                             "04 03 02 01"
                             "C8 07 00 5A"));
  Value& text = Variable("S", ValueType::STRING);
  Value& number = Variable("D", ValueType::DOUBLE);
  Value& real = Variable("R", ValueType::REAL);
  Value& integer = Variable("I", ValueType::INTEGER);
  Value& longNumber = Variable("L", ValueType::LONG);
  Value& byte = Variable("Y", ValueType::BYTE);
  Value& flag = Variable("B", ValueType::BOOLEAN);
  Value& unset = Variable("NO", ValueType::BOOLEAN);
  Value& character = Variable("C", ValueType::CHARACTER);
  RunAll({"OPEN \"REC.BIN\" FOR BINARY ACCESS READ AS #1", "GET #1, 0, S", "GET #1, , D",
          "GET #1, , R", "GET #1, , I", "GET #1, , L", "GET #1, , Y", "GET #1, , B", "GET #1, , NO",
          "GET #1, , C"});
  EXPECT_STREQ(text.AsString(), "AB");
  EXPECT_EQ(number.AsDouble(), 0.5);
  EXPECT_EQ(real.type(), ValueType::REAL);
  EXPECT_EQ(real.AsDouble(), 2.5);
  EXPECT_EQ(integer.AsLong(), -2);
  EXPECT_EQ(longNumber.AsLong(), 0x01020304);
  EXPECT_EQ(byte.AsLong(), 200);
  EXPECT_EQ(flag.AsBoolean(), 1);
  EXPECT_EQ(unset.AsBoolean(), 0);
  EXPECT_EQ(character.AsCharacter(), 'Z');
  // Past the end of the file the record reads as zero bytes.
  RunAll({"GET #1, , L"});
  EXPECT_EQ(longNumber.AsLong(), 0);
}

TEST_F(FileStatementsTest, PutThenGetRoundTripsAndCreatesUnknownNamesAsText) {
  RunAll({"OPEN \"RT.BIN\" FOR BINARY ACCESS READ WRITE AS #1", "PUT #1, , \"AB\"",
          "GET #1, 0, NEWNAME"});
  auto* created = static_cast<Value*>(activation_.locals().FindByName("NEWNAME"));
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(created->type(), ValueType::STRING);
  EXPECT_STREQ(created->AsString(), "AB");
  Variable("U", ValueType::NONE);
  EXPECT_EQ(Run("GET #1, 0, U"), kIllegalUse);
  // Reading an untyped variable already fails in the expression.
  EXPECT_EQ(Run("PUT #1, , U"), int(errorNumbers::TypeMismatch));
  EXPECT_EQ(Run("PUT 1, , \"A\""), kIllegalUse);
  EXPECT_EQ(Run("PUT #1 \"A\""), kIllegalUse);
  EXPECT_EQ(Run("PUT #1, 0 \"A\""), kIllegalUse);
  EXPECT_EQ(Run("PUT #2, , \"A\""), int(errorNumbers::FileHandleUndefined));
}

TEST_F(FileStatementsTest, LongTextRecordsAreWrittenAndReadWhole) {
  std::string text(3000, 'x');
  Declare("BIG", new Value(text.c_str()));
  Value& back = Variable("BACK", ValueType::STRING);
  RunAll(
      {"OPEN \"BIG.BIN\" FOR BINARY ACCESS READ WRITE AS #1", "PUT #1, , BIG", "GET #1, 0, BACK"});
  EXPECT_EQ(std::string(back.AsString()), text);
  EXPECT_EQ(ReadFile("BIG.BIN").substr(0, 2), Bytes("B8 0B"));
  // A text the 16-bit length cannot count is refused rather than cut.
  Declare("HUGE", new Value(std::string(32768, 'y').c_str()));
  EXPECT_EQ(Run("PUT #1, , HUGE"), kIllegalValue);
}

TEST_F(FileStatementsTest, SeekAndPositionsCountRecords) {
  Declare("L", new Value(int32_t{0x41424344}));
  Value& back = Variable("BACK", ValueType::LONG);
  RunAll({"OPEN \"R.BIN\" FOR RANDOM ACCESS READ WRITE AS #1 LEN = 4", "PUT #1, 2, L", "SEEK #1, 1",
          "PUT #1, , 1 = 1"});
  EXPECT_EQ(ReadFile("R.BIN"), Bytes("00 00 00 00 01 00 00 00 44 43 42 41"));
  RunAll({"SEEK #1, 2", "GET #1, , BACK"});
  EXPECT_EQ(back.AsLong(), 0x41424344);
  EXPECT_EQ(Text("EOF(1)"), "true");
  RunAll({"SEEK #1, 0"});
  EXPECT_EQ(Text("EOF(1)"), "false");
  EXPECT_EQ(Run("SEEK 1, 0"), kIllegalUse);
  EXPECT_EQ(Run("SEEK #1 0"), kIllegalUse);
  EXPECT_EQ(Run("SEEK #1, -1"), kDisk);
}

TEST_F(FileStatementsTest, InputFromAFileReadsLinesByType) {
  WriteFile("IN.TXT", "12\r\n34\r\nyes\r\n 2.5e1x\r\n70000\r\nQ\r\nno\r\nlast");
  Value& first = Variable("A", ValueType::NONE);
  Value& flag = Variable("FLAG", ValueType::BOOLEAN);
  Value& number = Variable("D", ValueType::DOUBLE);
  Value& integer = Variable("I", ValueType::INTEGER);
  Value& character = Variable("C", ValueType::CHARACTER);
  Value& no = Variable("G", ValueType::BOOLEAN);
  RunAll({"OPEN \"IN.TXT\" FOR INPUT AS #1", "INPUT #1, A, B", "INPUT #1, FLAG, D",
          "INPUT #1, I, C, G", "INPUT #1, LAST"});
  EXPECT_STREQ(first.AsString(), "12");
  EXPECT_EQ(Text("B"), "34");
  EXPECT_EQ(flag.AsBoolean(), 1);
  EXPECT_EQ(number.AsDouble(), 25.0);
  EXPECT_EQ(integer.AsLong(), 4464);
  EXPECT_EQ(character.AsCharacter(), 'Q');
  EXPECT_EQ(no.AsBoolean(), 0);
  EXPECT_EQ(Text("LAST"), "last");
  EXPECT_EQ(Run("INPUT #1, A"), int(errorNumbers::EndOfFile));
  EXPECT_EQ(Run("INPUT #1 A"), kIllegalUse);
  EXPECT_EQ(Run("INPUT #2, A"), int(errorNumbers::FileHandleUndefined));
}

TEST_F(FileStatementsTest, InputFromAFileLineEnds) {
  // A lone carriage return ends a line and keeps the next byte; line feeds
  // are dropped wherever they stand; the last line needs no line end, and
  // ends the statement.
  WriteFile("ENDS.TXT", "a\rb\n\nc\r\n\rd");
  RunAll({"OPEN \"ENDS.TXT\" FOR INPUT AS #1", "INPUT #1, A, B, C, D, E, G"});
  EXPECT_EQ(Text("A"), "a");
  EXPECT_EQ(Text("B"), "bc");
  EXPECT_EQ(Text("C"), "");
  EXPECT_EQ(Text("D"), "d");
  EXPECT_EQ(activation_.locals().FindByName("E"), nullptr);
  Declare("L", new Value(int32_t{1}));
  Declare("O", new Value(static_cast<ScriptObject*>(nullptr)));
  WriteFile("N.TXT", "x\r\n");
  RunAll({"OPEN \"N.TXT\" FOR INPUT AS #2"});
  EXPECT_EQ(Run("INPUT #2, O"), kIllegalUse);
}

TEST_F(FileStatementsTest, InputFromTheUserAsksTheDialog) {
  Value& name = Variable("NAME", ValueType::STRING);
  Value& age = Variable("AGE", ValueType::STRING);
  interaction_.inputs = {std::string("Ann"), std::string("42")};
  RunAll({"INPUT \"Your name\",, NAME, AGE"});
  EXPECT_STREQ(name.AsString(), "Ann");
  EXPECT_STREQ(age.AsString(), "42");
  ASSERT_EQ(interaction_.prompts.size(), 2u);
  EXPECT_EQ(interaction_.prompts[0], "Your name");
  // Cancel leaves the variable as it was, the first name too; an unknown
  // name discards its answer.
  interaction_.inputs = {std::nullopt, std::string("x"), std::string("y")};
  RunAll({"INPUT NAME, UNKNOWN, AGE"});
  EXPECT_STREQ(name.AsString(), "Ann");
  EXPECT_EQ(activation_.locals().FindByName("UNKNOWN"), nullptr);
  EXPECT_STREQ(age.AsString(), "y");
  EXPECT_EQ(interaction_.prompts.back(), "");
  RunAll({"INPUT"});
  EXPECT_EQ(Run("INPUT \"prompt\" NAME"), kIllegalUse);
  Variable("N", ValueType::LONG);
  interaction_.inputs = {std::string("5")};
  EXPECT_EQ(Run("INPUT N"), int(errorNumbers::TypeMismatch));
}

TEST_F(FileStatementsTest, PrintToAFileEndsLinesWithCarriageReturnAndLineFeed) {
  RunAll({"OPEN \"P.TXT\" FOR OUTPUT AS #1", "PRINT #1, \"A\"; \"B\"", "PRINT #1, \"A\";",
          "WRITE #1, 1; 2.5; TRUE", "PRINT #1, \"1234567890123\"; TAB(1); \"Y\"", "PRINT #1,",
          "CLOSE #1"});
  EXPECT_EQ(ReadFile("P.TXT"), "AB\r\nA12.5true\r\n1234567890123       Y\r\n\r\n");
  EXPECT_EQ(Run("PRINT #1, \"x\""), int(errorNumbers::FileHandleUndefined));
  RunAll({"OPEN \"P.TXT\" FOR INPUT AS #1"});
  EXPECT_EQ(Run("PRINT #1 \"x\""), kIllegalUse);
  // A file without write access fails the first write.
  EXPECT_EQ(Run("PRINT #1, \"x\""), kDisk);
  EXPECT_EQ(Run("PRINT #0, \"x\""), kIllegalValue);
}

/// A console whose input is a list of lines.
class ListedConsole : public platform::Console {
 public:
  bool Open() override { return true; }
  void Close() override {}
  bool IsOpen() const override { return true; }
  bool Write(const std::string& text) override {
    written += text;
    return true;
  }
  std::optional<std::string> ReadLine() override {
    if (lines.empty()) return std::nullopt;
    std::string line = lines.front();
    lines.erase(lines.begin());
    return line;
  }
  std::string written;
  std::vector<std::string> lines;
};

TEST_F(FileStatementsTest, InputFromTheOpenConsole) {
  ListedConsole console;
  console.lines = {"Ann", std::string(200, 'x'), "a\rb"};
  platform::Platform machine = platform::Current();
  machine.console = &console;
  platform::SetPlatform(machine);
  interpreter_.consoleFlag = 1;
  Value& name = Variable("NAME", ValueType::STRING);
  Value& text = Variable("TEXT", ValueType::STRING);
  RunAll({"INPUT \"Name\", NAME, TEXT"});
  EXPECT_STREQ(name.AsString(), "Ann");
  // At most 160 bytes are kept, cut at a carriage return or line feed.
  EXPECT_EQ(std::string(text.AsString()), std::string(160, 'x'));
  RunAll({"INPUT NAME"});
  EXPECT_STREQ(name.AsString(), "a");
  EXPECT_EQ(console.written, "Name? ? ? ");
  // The end of the console's input leaves the variable as it was.
  RunAll({"INPUT NAME"});
  EXPECT_STREQ(name.AsString(), "a");
  EXPECT_TRUE(interaction_.prompts.empty());
  interpreter_.consoleFlag = 0;
}

}  // namespace
}  // namespace vorna
