// Arrays: cells by element type, bounds checked per dimension, row-major
// element addressing, object arrays and the limits on the block size.
#include <gtest/gtest.h>

#include <functional>

#include "tests/unit/support/error_of.h"
#include "tests/unit/support/test_object.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {
namespace {

using testing::ErrorOf;

using testing::NoteObject;

TEST(Arrays, CellsStartEmptyByType) {
  Value texts(ValueType::STRING);
  texts.MakeArray(3, 0, 0);
  Value characters(ValueType::CHARACTER);
  characters.MakeArray(2, 0, 0);
  Value flags(ValueType::BOOLEAN);
  flags.MakeArray(2, 0, 0);
  Value doubles(ValueType::DOUBLE);
  doubles.MakeArray(2, 0, 0);
  for (int32_t i = 1; i <= 2; ++i) {
    texts.SelectElement(i, i, i);
    EXPECT_STREQ(texts.AsString(), "");
    characters.SelectElement(i, i, i);
    EXPECT_EQ(characters.AsCharacter(), '\0');  // unlike a scalar CHARACTER
    flags.SelectElement(i, i, i);
    EXPECT_EQ(flags.AsBoolean(), 0);
    doubles.SelectElement(i, i, i);
    EXPECT_EQ(doubles.AsDouble(), 0.0);
  }
}

TEST(Arrays, ElementsAreIndependentCells) {
  Value texts(ValueType::STRING);
  texts.MakeArray(3, 0, 0);
  for (int32_t i = 1; i <= 3; ++i) {
    texts.SelectElement(i, i, i);
    texts.SetString(std::string(size_t(i), 'a').c_str());
  }
  for (int32_t i = 1; i <= 3; ++i) {
    texts.SelectElement(i, i, i);
    EXPECT_EQ(std::string(texts.AsString()), std::string(size_t(i), 'a'));
  }
  Value numbers(ValueType::INTEGER);
  numbers.MakeArray(10, 0, 0);
  numbers.SelectElement(10, 10, 10);
  numbers.SetLong(70000);
  EXPECT_EQ(numbers.AsLong(), 4464);
  numbers.SelectElement(9, 9, 9);
  EXPECT_EQ(numbers.AsLong(), 0);
}

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

TEST(Arrays, MultiDimensionalIndicesMapRowMajor) {
  Value grid(ValueType::LONG);
  grid.MakeArray(3, 4, 5);
  for (int32_t i = 1; i <= 3; ++i)
    for (int32_t j = 1; j <= 4; ++j)
      for (int32_t k = 1; k <= 5; ++k) {
        grid.SelectElement(i, j, k);
        grid.SetLong(i * 100 + j * 10 + k);
      }
  // Every cell kept its own number: no two index triples share a cell.
  for (int32_t i = 1; i <= 3; ++i)
    for (int32_t j = 1; j <= 4; ++j)
      for (int32_t k = 1; k <= 5; ++k) {
        grid.SelectElement(i, j, k);
        EXPECT_EQ(grid.AsLong(), i * 100 + j * 10 + k);
      }
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

TEST(Arrays, ObjectArraysAreMadeByThePrototype) {
  int before = NoteObject::live;
  {
    Value objects(new NoteObject);
    ScriptObject* prototype = objects.AsObject();
    objects.MakeArray(3, 0, 0);
    // (3 + 1) cells, each with its own object; the prototype is gone.
    EXPECT_EQ(NoteObject::live, before + 4);
    objects.SelectElement(1, 1, 1);
    ScriptObject* first = objects.AsObject();
    objects.SelectElement(2, 2, 2);
    EXPECT_NE(objects.AsObject(), first);
    EXPECT_NE(first, nullptr);
    (void)prototype;
  }
  EXPECT_EQ(NoteObject::live, before);
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
