// The file statements' insides that a script cannot see: the mode flags OPEN's
// clauses make and how they map to the platform's open, the files an
// interpreter closes when it goes, INPUT from an open console. What scripts
// see of them is in tests/scripts/files/.
#include "statements/file_statements.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/installed_platform.h"
#include "script/file_slots.h"
#include "statements/open_flags.h"
#include "tests/unit/support/program_fixture.h"
#include "tests/unit/support/system_fixture.h"

namespace vorna {
namespace {

using FileStatementsTest = testing::SystemTest;

TEST_F(FileStatementsTest, OpenClausesBecomeModeFlags) {
  testing::WriteHostFile(Host("A.TXT"), "x");
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
    Run((std::string("OPEN \"A.TXT\" ") + c.clauses + " AS #1").c_str());
    EXPECT_EQ(interpreter_.files().modes[1], c.flags) << c.clauses;
    Run("CLOSE #1");
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

TEST_F(FileStatementsTest, TheInterpreterClosesItsFilesWhenDestroyed) {
  testing::WriteHostFile(Host("A.TXT"), "x");
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

// Counts the input dialogs asked: none is while the console is open.
struct CountedInputs : testing::InteractionRecorder {
  std::optional<std::string> InputDialog(const std::string&) override {
    ++asked;
    return std::nullopt;
  }
  int asked = 0;
};

TEST_F(FileStatementsTest, InputFromTheOpenConsole) {
  testing::CapturingConsole console;
  console.input = {"Ann", std::string(200, 'x'), "a\rb"};
  console.Open();
  CountedInputs inputs;
  platform::Platform machine = platform::Current();
  machine.console = &console;
  machine.interaction = &inputs;
  platform::SetPlatform(machine);
  interpreter_.consoleFlag = 1;
  Value& name = *new Value(ValueType::STRING);
  Value& text = *new Value(ValueType::STRING);
  name.SetName("NAME");
  text.SetName("TEXT");
  activation_.locals().Append(&name);
  activation_.locals().Append(&text);
  Run("INPUT \"Name\", NAME, TEXT");
  EXPECT_STREQ(name.AsString(), "Ann");
  // At most 160 bytes are kept, cut at a carriage return or line feed.
  EXPECT_EQ(std::string(text.AsString()), std::string(160, 'x'));
  Run("INPUT NAME");
  EXPECT_STREQ(name.AsString(), "a");
  EXPECT_EQ(console.output, "Name? ? ? ");
  // The end of the console's input leaves the variable as it was.
  Run("INPUT NAME");
  EXPECT_STREQ(name.AsString(), "a");
  EXPECT_EQ(inputs.asked, 0);
  interpreter_.consoleFlag = 0;
}

}  // namespace
}  // namespace vorna
