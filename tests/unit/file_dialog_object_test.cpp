// The file dialog object (STDFILE): its record, properties, methods, filter
// list and the assignment rules of objects, where scripts cannot see them.
// What scripts see is in tests/scripts/system/file_dialogs.bas.
#include "install/file_dialog_object.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "install/file_dialog_type.h"
#include "script/evaluator.h"
#include "tests/unit/support/system_fixture.h"
#include "values/value.h"

namespace vorna {
namespace {

class FileDialogObjectTest : public testing::SystemTest {
 protected:
  void SetUp() override {
    SystemTest::SetUp();
    d_ = &Declare("D", MakeFileDialogObject());
  }

  /// Adds a variable to the activation's locals; the list owns it.
  Value& Declare(const char* name, std::unique_ptr<Value> value) {
    value->SetName(name);
    Value& declared = *value;
    activation_.locals().Append(value.release());
    return declared;
  }
  FileDialogObject& ObjectOf(Value& value) {
    return *static_cast<FileDialogObject*>(value.AsObject());
  }

  /// Evaluates an expression into a fresh value and answers its text form.
  std::string Read(const char* text) {
    activation_.MakeCurrent(text);
    Value result;
    EvaluateExpression(activation_, result);
    char buffer[4096];
    result.FormatValue(buffer, sizeof buffer);
    return buffer;
  }
  /// Runs "variable.member = expression" as the assignment statement offers
  /// it to the object: the cursor after the ".".
  bool Write(const char* assignment, Value* target = nullptr) {
    activation_.MakeCurrent(assignment);
    return ObjectOf(target ? *target : *d_).SetMember(activation_);
  }

  Value* d_ = nullptr;
};

TEST_F(FileDialogObjectTest, TheRecordHasTheDialogsSizesAndPointsAtThePropertyBuffers) {
  const platform::FileDialogRecord& record = ObjectOf(*d_).record();
  EXPECT_EQ(record.structSize, 76u);
  EXPECT_EQ(record.owner, platform::Owner::None);
  EXPECT_EQ(record.flags, 0x80000u);
  EXPECT_EQ(record.customFilter, nullptr);
  EXPECT_EQ(record.maxCustomFilter, 0u);
  EXPECT_EQ(record.filterIndex, 0u);
  EXPECT_EQ(record.maxFile, 2048u);
  EXPECT_EQ(record.maxFileTitle, 2048u);
  EXPECT_EQ(record.filter, ObjectOf(*d_).dialogFilter());
  for (const char* member : {"FILE", "FILETITLE", "INITIALDIR", "TITLE", "DEFEXT"}) {
    std::string assignment = std::string(member) + " = \"" + member + " text\"";
    ASSERT_TRUE(Write(assignment.c_str())) << member;
  }
  EXPECT_STREQ(record.file, "FILE text");
  EXPECT_STREQ(record.fileTitle, "FILETITLE text");
  EXPECT_STREQ(record.initialDir, "INITIALDIR text");
  EXPECT_STREQ(record.title, "TITLE text");
  EXPECT_STREQ(record.defaultExtension, "DEFEXT text");
}

TEST_F(FileDialogObjectTest, FlagsOfMinusOneFillTheRecordsWord) {
  ASSERT_TRUE(Write("FLAGS = -1"));
  EXPECT_EQ(Read("D.FLAGS"), "-1");
  EXPECT_EQ(ObjectOf(*d_).record().flags, 0xFFFFFFFFu);
}

TEST_F(FileDialogObjectTest, FilterEdgesStillEndInTwoNuls) {
  ASSERT_TRUE(Write("FILTER = \"Any|*.*|\""));
  Read("D.GETSAVENAME");
  EXPECT_EQ(std::memcmp(ObjectOf(*d_).dialogFilter(), "Any\0*.*\0\0", 9), 0);
  ASSERT_TRUE(Write("FILTER = \"\""));
  Read("D.GETSAVENAME");
  EXPECT_EQ(std::memcmp(ObjectOf(*d_).dialogFilter(), "\0\0", 2), 0);
  // A filter of full length keeps its second NUL inside the object.
  std::string full(2047, '|');
  full[0] = 'A';
  Declare("FULL", std::make_unique<Value>(full.c_str()));
  ASSERT_TRUE(Write("FILTER = FULL"));
  Read("D.GETSAVENAME");
  const char* list = ObjectOf(*d_).dialogFilter();
  EXPECT_EQ(list[0], 'A');
  EXPECT_EQ(list[1], '\0');
  EXPECT_EQ(list[2047], '\0');
  EXPECT_EQ(list[2048], '\0');
}

TEST_F(FileDialogObjectTest, AssigningToAnUntypedValueIsTheTextError) {
  Value untyped;
  try {
    Assign(untyped, *d_);
    FAIL() << "no error";
  } catch (const InternalError& error) {
    EXPECT_STREQ(error.text, "TYPE MISMATCH");
  }
  // An empty OBJECT receives a fresh object with default properties.
  ASSERT_TRUE(Write("FILE = \"mine\""));
  Value empty(ValueType::OBJECT);
  Assign(empty, *d_);
  ASSERT_NE(empty.AsObject(), nullptr);
  EXPECT_NE(empty.AsObject(), d_->AsObject());
  EXPECT_STREQ(ObjectOf(empty).record().file, "");
  EXPECT_EQ(ObjectOf(empty).record().flags, 0x80000u);
}

TEST_F(FileDialogObjectTest, TheTypeWordMakesAFreshObject) {
  FileDialogType type;
  activation_.MakeCurrent("STDFILE: REM");
  std::unique_ptr<Value> made = type.MakeObject(activation_);
  ASSERT_TRUE(made);
  EXPECT_EQ(made->type(), ValueType::OBJECT);
  EXPECT_EQ(ObjectOf(*made).record().flags, 0x80000u);
  EXPECT_EQ(activation_.cursor().rest(), std::string(": REM"));
  for (const char* other : {"STDFILES", "LONG", "STD FILE"}) {
    activation_.MakeCurrent(other);
    EXPECT_FALSE(type.MakeObject(activation_)) << other;
    EXPECT_EQ(activation_.cursor().rest(), std::string(other));
  }
}

}  // namespace
}  // namespace vorna
