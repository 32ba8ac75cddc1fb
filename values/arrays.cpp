// Arrays: one block of cells of the element type behind a value, and the
// selection of the element that the value's reads and writes act on.
//
// A block holds (b1 + 1)(b2 + 1)(b3 + 1) cells, as declarations have always
// allocated, but indices run from 1 to each bound. Two- and three-dimensional
// indices map row-major onto the first b1 * b2 * b3 cells.
#include <cstring>
#include <initializer_list>
#include <new>

#include "values/errors.h"
#include "values/script_object.h"
#include "values/value.h"

namespace vorna {

namespace {

// The largest block an array may take. Far beyond what an install script
// needs, and small enough that the size computation cannot overflow and the
// 32-bit runtime is not asked for its whole address space.
constexpr uint64_t kMaxArrayBytes = uint64_t{1} << 28;

size_t CellSize(ValueType type) {
  switch (type) {
    case ValueType::STRING:
      return sizeof(char*);
    case ValueType::REAL:
      return sizeof(float);
    case ValueType::INTEGER:
      return sizeof(int16_t);
    case ValueType::LONG:
    case ValueType::BOOLEAN:
      return sizeof(int32_t);
    case ValueType::DOUBLE:
      return sizeof(double);
    case ValueType::BYTE:
    case ValueType::CHARACTER:
      return 1;
    case ValueType::OBJECT:
      return sizeof(ScriptObject*);
    case ValueType::NONE:
      break;
  }
  return 0;
}

// The number of cells, or "Out of Memory" when the block would pass the limit.
uint64_t CellCount(int32_t b1, int32_t b2, int32_t b3, size_t cellSize) {
  uint64_t limit = kMaxArrayBytes / cellSize;
  uint64_t count = uint64_t(b1) + 1;
  for (int32_t bound : {b2, b3}) {
    // Each factor is at most 2^31 and count at most the limit (2^28), so the
    // product fits in 64 bits before it is checked.
    count *= uint64_t(bound) + 1;
    if (count > limit) Raise(errorNumbers::OutOfMemory);
  }
  if (count > limit) Raise(errorNumbers::OutOfMemory);
  return count;
}

void* AllocateBlock(uint64_t bytes) {
  try {
    void* block = ::operator new(static_cast<size_t>(bytes));
    std::memset(block, 0, static_cast<size_t>(bytes));
    return block;
  } catch (const std::bad_alloc&) {
    Raise(errorNumbers::OutOfMemory);
  }
}

// Fills an object block through the prototype's NewArray; on failure the
// objects made so far and the block are freed before the error goes on.
void FillObjects(ScriptObject* prototype, void* block, uint64_t count) {
  ScriptObject** cells = static_cast<ScriptObject**>(block);
  try {
    prototype->NewArray(cells, static_cast<int32_t>(count));
  } catch (...) {
    for (uint64_t i = 0; i < count; ++i) delete cells[i];
    ::operator delete(block);
    throw;
  }
}

bool IndexInBound(int32_t index, int32_t bound) {
  return index >= 1 && index <= bound;
}

}  // namespace

void Value::MakeArray(int32_t b1, int32_t b2, int32_t b3) {
  if (type_ == ValueType::NONE || alias_ || isArray()) Raise(errorNumbers::DimStatement);
  if (b1 <= 0 || b2 < 0 || b3 < 0 || (b2 == 0 && b3 != 0)) Raise(errorNumbers::DimStatement);
  ScriptObject* prototype = nullptr;
  if (type_ == ValueType::OBJECT) {
    prototype = cell<ScriptObject*>();
    if (!prototype) Raise(errorNumbers::DimStatement);
  }
  size_t cellSize = CellSize(type_);
  uint64_t count = CellCount(b1, b2, b3, cellSize);
  void* block = AllocateBlock(count * cellSize);
  if (prototype) FillObjects(prototype, block, count);
  // String cells start as null pointers, which read as the empty text; the
  // scalar's own text or prototype object is not needed any more.
  FreeScalar();
  storage_ = block;
  element_ = block;
  bound1_ = b1;
  bound2_ = b2;
  bound3_ = b3;
}

void Value::SelectElement(int32_t i1, int32_t i2, int32_t i3) {
  if (!isArray()) Raise(errorNumbers::NotAnArray);
  if (!IndexInBound(i1, bound1_)) Raise(errorNumbers::ArrayBounds);
  uint64_t index = uint64_t(i1) - 1;
  if (bound2_ > 0) {
    if (!IndexInBound(i2, bound2_)) Raise(errorNumbers::ArrayBounds);
    index = index * uint64_t(bound2_) + (uint64_t(i2) - 1);
  }
  if (bound3_ > 0) {
    if (!IndexInBound(i3, bound3_)) Raise(errorNumbers::ArrayBounds);
    index = index * uint64_t(bound3_) + (uint64_t(i3) - 1);
  }
  element_ = static_cast<char*>(storage_) + index * CellSize(type_);
}

uint64_t Value::selectedCell() const {
  if (!isArray()) return 0;
  return uint64_t(static_cast<char*>(element_) - static_cast<char*>(storage_)) / CellSize(type_);
}

void Value::ReselectCell(uint64_t cell) {
  if (!isArray()) {
    element_ = storage_;
    return;
  }
  if (cell >= BlockCells()) Raise(errorNumbers::ArrayBounds);
  element_ = static_cast<char*>(storage_) + cell * CellSize(type_);
}

uint64_t Value::BlockCells() const {
  return (uint64_t(bound1_) + 1) * (uint64_t(bound2_) + 1) * (uint64_t(bound3_) + 1);
}

void Value::FreeArrayBlock() {
  uint64_t count = BlockCells();
  if (type_ == ValueType::STRING) {
    char** cells = static_cast<char**>(storage_);
    for (uint64_t i = 0; i < count; ++i) FreeText(cells[i]);
  } else if (type_ == ValueType::OBJECT) {
    ScriptObject** cells = static_cast<ScriptObject**>(storage_);
    for (uint64_t i = 0; i < count; ++i) delete cells[i];
  }
  ::operator delete(storage_);
}

}  // namespace vorna
