// Value-to-value assignment of what scripts cannot write (an untyped source,
// objects), the release of BYREF aliases, the text form of values, and
// arrays: bounds checked per dimension, declaration errors, the limits on the
// block size and release. What scripts see of conversions is in
// variables/assignment_types.bas, of BYREF reads, writes and arrays in
// procedures/parameters.bas, of cells by element type, their independence and
// row-major addressing in variables/arrays.bas, object arrays in
// system/file_dialogs.bas.
#include <gtest/gtest.h>

#include <string>

#include "tests/unit/support/error_of.h"
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

using testing::ErrorOf;

TEST(Arrays, BoundsPerDimension) {
  Value one(ValueType::LONG);
  one.MakeArray(10, 0, 0);
  EXPECT_EQ(ErrorOf([&] { one.SelectElement(1, 1, 1); }), 0);
  EXPECT_EQ(ErrorOf([&] { one.SelectElement(10, 10, 10); }), 0);
  EXPECT_EQ(ErrorOf([&] { one.SelectElement(11, 11, 11); }), int(errorNumbers::ArrayBounds));
  EXPECT_EQ(ErrorOf([&] { one.SelectElement(-1, -1, -1); }), int(errorNumbers::ArrayBounds));
  EXPECT_EQ(ErrorOf([&] { one.SelectElement(0, 0, 0); }), int(errorNumbers::ArrayBounds));

  Value three(ValueType::LONG);
  three.MakeArray(2, 3, 4);
  EXPECT_EQ(ErrorOf([&] { three.SelectElement(2, 3, 4); }), 0);
  EXPECT_EQ(ErrorOf([&] { three.SelectElement(3, 1, 1); }), int(errorNumbers::ArrayBounds));
  EXPECT_EQ(ErrorOf([&] { three.SelectElement(1, 4, 1); }), int(errorNumbers::ArrayBounds));
  EXPECT_EQ(ErrorOf([&] { three.SelectElement(1, 1, 5); }), int(errorNumbers::ArrayBounds));
  EXPECT_EQ(ErrorOf([&] { three.SelectElement(1, 0, 1); }), int(errorNumbers::ArrayBounds));

  Value scalar(int32_t{1});
  EXPECT_EQ(ErrorOf([&] { scalar.SelectElement(1, 1, 1); }), int(errorNumbers::NotAnArray));
}

TEST(Arrays, DeclarationErrors) {
  Value none;
  EXPECT_EQ(ErrorOf([&] { none.MakeArray(3, 0, 0); }), int(errorNumbers::DimStatement));
  Value value(ValueType::LONG);
  EXPECT_EQ(ErrorOf([&] { value.MakeArray(0, 0, 0); }), int(errorNumbers::DimStatement));
  EXPECT_EQ(ErrorOf([&] { value.MakeArray(-1, 0, 0); }), int(errorNumbers::DimStatement));
  EXPECT_EQ(ErrorOf([&] { value.MakeArray(2, -3, 0); }), int(errorNumbers::DimStatement));
  EXPECT_EQ(ErrorOf([&] { value.MakeArray(2, 2, -3); }), int(errorNumbers::DimStatement));
  EXPECT_FALSE(value.isArray());
  value.MakeArray(2, 0, 0);
  EXPECT_EQ(ErrorOf([&] { value.MakeArray(2, 0, 0); }), int(errorNumbers::DimStatement));
}

TEST(Arrays, HugeBlocksAreOutOfMemoryNotACrash) {
  Value texts(ValueType::STRING);
  EXPECT_EQ(ErrorOf([&] { texts.MakeArray(2147483647, 2147483647, 2147483647); }),
            int(errorNumbers::OutOfMemory));
  EXPECT_EQ(ErrorOf([&] { texts.MakeArray(2147483647, 0, 0); }), int(errorNumbers::OutOfMemory));
  Value bytes(ValueType::BYTE);
  EXPECT_EQ(ErrorOf([&] { bytes.MakeArray(65536, 65536, 0); }), int(errorNumbers::OutOfMemory));
  // The failed declarations left ordinary scalars behind.
  EXPECT_FALSE(texts.isArray());
  EXPECT_STREQ(texts.AsString(), "");
  bytes.MakeArray(1000, 1000, 0);
  bytes.SelectElement(1000, 1000, 1);
  bytes.SetByte(7);
  EXPECT_EQ(bytes.AsByte(), 7);
}

TEST(Arrays, ReleaseFreesTheBlockAndLeavesAScalar) {
  Value texts(ValueType::STRING);
  texts.MakeArray(2, 2, 0);
  texts.SelectElement(1, 2, 1);
  texts.SetString("kept until release");
  texts.Release();
  EXPECT_FALSE(texts.isArray());
  EXPECT_EQ(texts.type(), ValueType::NONE);
  EXPECT_EQ(ErrorOf([&] { texts.SelectElement(1, 1, 1); }), int(errorNumbers::NotAnArray));
}

}  // namespace
}  // namespace vorna
