// Value-to-value assignment of what scripts cannot write (an untyped source,
// objects), the release of BYREF aliases and the text form of values. What
// scripts see of conversions is in variables/assignment_types.bas, of BYREF
// reads, writes and arrays in procedures/parameters.bas.
#include <gtest/gtest.h>

#include <string>

#include "tests/unit/support/test_object.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {
namespace {

using testing::NoteObject;

std::string Text(const Value& value) {
  char buffer[64];
  value.FormatValue(buffer, sizeof buffer);
  return buffer;
}

// An untyped source has nothing to give.
TEST(ValueAssign, ANoneSourceIsAMismatch) {
  Value number(ValueType::LONG);
  Value none;
  EXPECT_THROW(Assign(number, none), errorNumbers);
  EXPECT_THROW(Assign(none, none), errorNumbers);
}

// An object assigned to an object variable is not copied (system/file_dialogs.bas)
// and cannot fill an untyped one (variables/object_into_untyped.bas); an empty
// OBJECT target receives a fresh object of the source's class.
TEST(ValueAssign, AnEmptyObjectTargetGetsAFreshObject) {
  Value first(new NoteObject);
  static_cast<NoteObject*>(first.AsObject())->note = "one";
  Value empty(ValueType::OBJECT);
  Assign(empty, first);
  ASSERT_NE(empty.AsObject(), nullptr);
  EXPECT_NE(empty.AsObject(), first.AsObject());
  EXPECT_EQ(static_cast<NoteObject*>(empty.AsObject())->note, "");
}

TEST(ValueAlias, ReleasingAnAliasFreesNothing) {
  Value text("kept");
  int before = NoteObject::live;
  Value object(new NoteObject);
  {
    Value textAlias;
    Value objectAlias;
    MakeAlias(textAlias, text);
    MakeAlias(objectAlias, object);
    textAlias.Release();
    EXPECT_EQ(textAlias.type(), ValueType::NONE);
    // A released alias is detached: its next write does not reach the source.
    textAlias.SetLong(5);
    EXPECT_EQ(textAlias.AsLong(), 5);
  }  // objectAlias destroyed here
  EXPECT_STREQ(text.AsString(), "kept");
  EXPECT_EQ(NoteObject::live, before + 1);
  EXPECT_NE(object.AsObject(), nullptr);
}

TEST(ValueFormat, TextFormsAndTheirCutToTheBuffer) {
  EXPECT_EQ(Text(Value(0.0)), "0");
  EXPECT_EQ(Text(Value(false)), "false");
  EXPECT_EQ(Text(Value()), "[OBJECT]");
  EXPECT_EQ(Text(Value(new NoteObject)), "[OBJECT]");
  // The other types' text forms are in the conversion tables; a long text is
  // cut to the buffer.
  Value text(std::string(100, 'x').c_str());
  char buffer[8];
  text.FormatValue(buffer, sizeof buffer);
  EXPECT_EQ(std::string(buffer), "xxxxxxx");
}

}  // namespace
}  // namespace vorna
