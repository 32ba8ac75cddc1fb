// Arrays: bounds checked per dimension, declaration errors, the limits on the
// block size and release. What scripts see of cells by element type, their
// independence and row-major addressing is in variables/arrays.bas, object
// arrays in system/file_dialogs.bas.
#include <gtest/gtest.h>

#include "tests/unit/support/error_of.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {
namespace {

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
