// The file dialog object (STDFILE): its record, properties, methods, filter
// list and the assignment rules of objects.
#include "install/file_dialog_object.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "install/file_dialog_type.h"
#include "install/install_extensions.h"
#include "install/install_object.h"
#include "script/evaluator.h"
#include "tests/unit/support/system_fixture.h"
#include "values/value.h"

namespace vorna {
namespace {

constexpr int kIllegalUse = static_cast<int>(errorNumbers::IllegalUse);
constexpr int kStringTooLong = static_cast<int>(errorNumbers::StringTooLong);
constexpr int kTypeMismatch = static_cast<int>(errorNumbers::TypeMismatch);
constexpr int kUndefinedMember = static_cast<int>(errorNumbers::UndefinedObjectMember);

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
  int WriteError(const char* assignment) {
    try {
      Write(assignment);
    } catch (errorNumbers number) {
      return static_cast<int>(number);
    }
    return 0;
  }
  int ReadError(const char* text) {
    try {
      Read(text);
    } catch (errorNumbers number) {
      return static_cast<int>(number);
    }
    return 0;
  }

  Value* d_ = nullptr;
};

TEST_F(FileDialogObjectTest, AFreshObjectHasEmptyTextsAndTheExplorerFlag) {
  for (const char* member : {"D.FILTER", "D.CUSTOMFILTER", "D.FILE", "D.FILETITLE", "D.INITIALDIR",
                             "D.TITLE", "D.DEFEXT"}) {
    EXPECT_EQ(Read(member), "") << member;
  }
  EXPECT_EQ(Read("D.FLAGS"), "524288");
  EXPECT_EQ(Read("d.flags + 1"), "524289");

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
}

TEST_F(FileDialogObjectTest, TextPropertiesReadBackWhatWasWritten) {
  const char* members[] = {"FILTER",     "CUSTOMFILTER", "FILE",  "FILETITLE",
                           "INITIALDIR", "TITLE",        "DEFEXT"};
  for (const char* member : members) {
    std::string assignment = std::string(member) + " = \"" + member + " text\"";
    ASSERT_TRUE(Write(assignment.c_str())) << member;
  }
  for (const char* member : members) {
    EXPECT_EQ(Read(("D." + std::string(member)).c_str()), std::string(member) + " text");
  }
  // Each property has a buffer of its own; the record points at them.
  const platform::FileDialogRecord& record = ObjectOf(*d_).record();
  EXPECT_STREQ(record.file, "FILE text");
  EXPECT_STREQ(record.fileTitle, "FILETITLE text");
  EXPECT_STREQ(record.initialDir, "INITIALDIR text");
  EXPECT_STREQ(record.title, "TITLE text");
  EXPECT_STREQ(record.defaultExtension, "DEFEXT text");
  // A character is text too.
  Declare("C", std::make_unique<Value>('Q'));
  ASSERT_TRUE(Write("TITLE = C"));
  EXPECT_EQ(Read("D.TITLE"), "Q");
}

TEST_F(FileDialogObjectTest, FlagsStoreTheLongOfTheValue) {
  ASSERT_TRUE(Write("FLAGS = 3.7"));
  EXPECT_EQ(Read("D.FLAGS"), "3");
  ASSERT_TRUE(Write("FLAGS = -1"));
  EXPECT_EQ(Read("D.FLAGS"), "-1");
  EXPECT_EQ(ObjectOf(*d_).record().flags, 0xFFFFFFFFu);
  EXPECT_EQ(WriteError("FLAGS = \"4\""), kTypeMismatch);
  EXPECT_EQ(WriteError("FLAGS = TRUE"), kTypeMismatch);
  EXPECT_EQ(WriteError("FILE = 5"), kTypeMismatch);
  EXPECT_EQ(Read("D.FLAGS"), "-1");
}

TEST_F(FileDialogObjectTest, UnknownMembersAreNotTheObjects) {
  EXPECT_EQ(ReadError("D.NOSUCH"), kUndefinedMember);
  EXPECT_EQ(ReadError("D.FILES"), kUndefinedMember);
  // Writing a method or an unknown word is no write member.
  activation_.MakeCurrent("GETOPENNAME = 1");
  EXPECT_FALSE(ObjectOf(*d_).SetMember(activation_));
  EXPECT_EQ(activation_.cursor().rest(), std::string("GETOPENNAME = 1"));
  activation_.MakeCurrent("NOSUCH = 1");
  EXPECT_FALSE(ObjectOf(*d_).SetMember(activation_));
  // No member is a statement member, the methods included.
  activation_.MakeCurrent("GETOPENNAME");
  EXPECT_FALSE(ObjectOf(*d_).CallStatement(activation_));
  EXPECT_TRUE(interaction_.dialogs.empty());
  // A write member needs its "=".
  EXPECT_EQ(WriteError("FILE \"x\""), kIllegalUse);
}

TEST_F(FileDialogObjectTest, TextsOfABufferOrMoreAreTooLong) {
  Declare("FITS", std::make_unique<Value>(std::string(2047, 'f').c_str()));
  Declare("LONGER", std::make_unique<Value>(std::string(2048, 'x').c_str()));
  ASSERT_TRUE(Write("FILE = FITS"));
  EXPECT_EQ(Read("D.FILE"), std::string(2047, 'f'));
  ASSERT_TRUE(Write("TITLE = \"kept\""));
  EXPECT_EQ(WriteError("FILE = LONGER"), kStringTooLong);
  EXPECT_EQ(WriteError("TITLE = FITS & \"x\""), kStringTooLong);
  EXPECT_EQ(Read("D.FILE"), std::string(2047, 'f'));
  EXPECT_EQ(Read("D.TITLE"), "kept");
}

TEST_F(FileDialogObjectTest, TheDialogGetsTheFilterAsAPairsList) {
  ASSERT_TRUE(Write("FILTER = \"Text files|*.TXT|All files|*.*\""));
  ASSERT_TRUE(Write("CUSTOMFILTER = \"overwritten\""));
  EXPECT_EQ(Read("D.GETOPENNAME"), "false");
  ASSERT_EQ(interaction_.dialogs.size(), 1u);
  EXPECT_FALSE(interaction_.dialogs[0].save);
  EXPECT_EQ(interaction_.dialogs[0].filterList, "Text files|*.TXT|All files|*.*");
  const char* list = ObjectOf(*d_).dialogFilter();
  EXPECT_EQ(std::memcmp(list, "Text files\0*.TXT\0All files\0*.*\0\0", 33), 0);
  // CUSTOMFILTER now reads the first description; FILTER is as written.
  EXPECT_EQ(Read("D.CUSTOMFILTER"), "Text files");
  EXPECT_EQ(Read("D.FILTER"), "Text files|*.TXT|All files|*.*");
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

TEST_F(FileDialogObjectTest, AChosenFileIsReadFromFileAndCancelKeepsIt) {
  ASSERT_TRUE(Write("FILE = \"start.txt\""));
  ASSERT_TRUE(Write("TITLE = \"Pick one\""));
  interaction_.paths = {std::string("C:\\Data\\chosen.txt"), std::nullopt};
  EXPECT_EQ(Read("D.GETOPENNAME"), "true");
  EXPECT_EQ(interaction_.dialogs[0].file, "start.txt");
  EXPECT_EQ(interaction_.dialogs[0].title, "Pick one");
  EXPECT_EQ(Read("D.FILE"), "C:\\Data\\chosen.txt");
  // Cancelled: false, and the last path stays (it is the next dialog's start).
  EXPECT_EQ(Read("D.GETSAVENAME"), "false");
  EXPECT_TRUE(interaction_.dialogs[1].save);
  EXPECT_EQ(interaction_.dialogs[1].file, "C:\\Data\\chosen.txt");
  EXPECT_EQ(Read("D.FILE"), "C:\\Data\\chosen.txt");
  // The method's BOOLEAN goes where a condition wants it.
  activation_.MakeCurrent("D.GETOPENNAME AND TRUE");
  Value condition;
  EXPECT_FALSE(EvaluateCondition(activation_, condition));
}

TEST_F(FileDialogObjectTest, AssigningOneObjectToAnotherChangesNeither) {
  Value& other = Declare("D2", MakeFileDialogObject());
  ASSERT_TRUE(Write("FILE = \"one\""));
  ASSERT_TRUE(Write("FILE = \"two\"", &other));
  ScriptObject* first = d_->AsObject();
  ScriptObject* second = other.AsObject();
  // D2 = D1 as the assignment statement runs it: an accumulator shaped like
  // the target, the expression into it, then the target := accumulator.
  activation_.MakeCurrent("D");
  Value accumulator;
  StartAccumulator(accumulator, other);
  EvaluateExpression(activation_, accumulator);
  Assign(other, accumulator);
  EXPECT_EQ(d_->AsObject(), first);
  EXPECT_EQ(other.AsObject(), second);
  EXPECT_EQ(Read("D.FILE"), "one");
  EXPECT_EQ(Read("D2.FILE"), "two");
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

TEST_F(FileDialogObjectTest, ArraysHoldFreshObjects) {
  Value& array = Declare("A", MakeFileDialogObject());
  array.MakeArray(3, 0, 0);
  array.SelectElement(2, 1, 1);
  ScriptObject* second = array.AsObject();
  ASSERT_TRUE(Write("FILE = \"two\"", &array));
  array.SelectElement(3, 1, 1);
  ASSERT_NE(array.AsObject(), second);
  EXPECT_STREQ(ObjectOf(array).record().file, "");
  EXPECT_EQ(ObjectOf(array).record().flags, 0x80000u);
  array.SelectElement(2, 1, 1);
  EXPECT_STREQ(ObjectOf(array).record().file, "two");
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

TEST_F(FileDialogObjectTest, TheInstallExtensionsAnswerThroughTheInterpreter) {
  RegisterInstallObject(interpreter_);
  RegisterInstallExtensions(interpreter_);
  activation_.MakeCurrent("stdfile");
  std::unique_ptr<Value> made = interpreter_.MakeObject(activation_);
  ASSERT_TRUE(made);
  EXPECT_NE(dynamic_cast<FileDialogObject*>(made->AsObject()), nullptr);
  EXPECT_EQ(Read("SPECIALFOLDER(\"MYFOLDER\") & \"|\""), "|");
}

}  // namespace
}  // namespace vorna
