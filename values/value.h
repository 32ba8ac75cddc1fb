// The one typed cell behind every script datum: variables, array elements,
// parameters, intermediate results and function results.
//
// A value keeps the type of its first write: a fresh value has no type
// (NONE), the first typed write fixes it, and every later write converts into
// it or fails with "Type Mismatch". Only Release returns a value to NONE.
#pragma once

#include <cstddef>
#include <cstdint>

#include "values/node_list.h"

namespace vorna {

class ScriptObject;

/// The type tag of a value; the numbers are part of the language's contract.
enum class ValueType : int32_t {
  NONE = -1,
  STRING = 0,
  REAL = 1,
  INTEGER = 2,
  LONG = 3,
  DOUBLE = 4,
  BYTE = 5,
  BOOLEAN = 6,
  CHARACTER = 7,
  OBJECT = 8,
};

/// True for REAL, INTEGER, LONG, DOUBLE and BYTE.
bool IsNumericType(ValueType type);

class Value : public NamedNode {
 public:
  /// An untyped (NONE) value.
  Value();
  /// The initial value a declaration with a type word gives: the empty text,
  /// 0 of a numeric type, false, a space; OBJECT and NONE hold nothing.
  explicit Value(ValueType declaredType);
  /// A STRING holding a copy of text.
  explicit Value(const char* text);
  /// A REAL.
  explicit Value(float number);
  /// An INTEGER.
  explicit Value(int16_t number);
  /// A LONG.
  explicit Value(int32_t number);
  /// A DOUBLE.
  explicit Value(double number);
  /// A BYTE.
  explicit Value(uint8_t number);
  /// A BOOLEAN storing 1 for true and 0 for false.
  explicit Value(bool flag);
  /// A CHARACTER.
  explicit Value(char character);
  /// An OBJECT that owns object.
  explicit Value(ScriptObject* object);
  /// Releases what the value owns (an alias frees nothing).
  ~Value() override;

  ValueType type() const { return type_; }
  /// True when the value is an array (its first bound is not 0).
  bool isArray() const { return bound1_ != 0; }
  int32_t bound1() const { return bound1_; }
  int32_t bound2() const { return bound2_; }
  int32_t bound3() const { return bound3_; }
  /// True while the value borrows another value's storage (a BYREF parameter).
  bool isAlias() const { return alias_; }
  /// True while this value is an alias of other's storage.
  bool BorrowsFrom(const Value& other) const {
    return alias_ && &other != this && storage_ == other.storage_;
  }

  /// Frees what the value owns and returns it to NONE; an alias frees nothing
  /// and is detached from the storage it borrowed. Name and list link stay.
  void Release();

  /// Typed writes: on NONE they fix the type, otherwise they convert into the
  /// value's type (truncation toward zero, low bits kept) or raise "Type Mismatch".
  void SetString(const char* text);
  void SetReal(float number);
  void SetInteger(int16_t number);
  void SetLong(int32_t number);
  void SetDouble(double number);
  void SetByte(uint8_t number);
  void SetBoolean(int32_t flag);
  void SetCharacter(char character);
  /// Holds object (ownership passes even when the write fails); an object held
  /// so far is destroyed. Raises "Type Mismatch" unless NONE or OBJECT.
  void SetObject(ScriptObject* object);

  /// STRING: its text; CHARACTER: a one-character text valid until the next
  /// read of this value; anything else raises "Type Mismatch".
  const char* AsString() const;
  /// STRING: its first character (NUL when empty); CHARACTER: itself.
  char AsCharacter() const;
  /// BOOLEAN only: the stored 32-bit flag.
  int32_t AsBoolean() const;
  /// OBJECT only: the object of the value (of the selected element of an array).
  ScriptObject* AsObject() const;
  /// Numeric reads: NONE and OBJECT read as 0; STRING, BOOLEAN and CHARACTER
  /// raise "Type Mismatch"; numbers convert as the conversion table says.
  float AsReal() const;
  int16_t AsInteger() const;
  int32_t AsLong() const;
  double AsDouble() const;
  uint8_t AsByte() const;

  /// Writes the text form of the value into buffer (cut to size - 1
  /// characters): the text, the number, "true"/"false", the character, or
  /// "[OBJECT]" for an object or a NONE value.
  void FormatValue(char* buffer, size_t size) const;

  /// Turns a freshly declared value into an array of (b1 + 1)(b2 + 1)(b3 + 1)
  /// cells of its type; b2 and b3 are 0 when not given. Raises "Dim Statement"
  /// for a NONE value or bounds that are not positive, "Out of Memory" for a
  /// block the runtime will not allocate.
  void MakeArray(int32_t b1, int32_t b2, int32_t b3);
  /// Points every later read and write at one element: each index must lie in
  /// 1..its bound ("Array Bounds"); a value that is no array is "Not An Array".
  void SelectElement(int32_t i1, int32_t i2, int32_t i3);
  /// The cell selected now, counted from the start of the block (0 for a scalar).
  uint64_t selectedCell() const;
  /// Selects a cell that selectedCell answered before; "Array Bounds" when the
  /// block no longer has it.
  void ReselectCell(uint64_t cell);

 private:
  friend void MakeAlias(Value& target, Value& source);

  /// The cell every read and write uses, seen as a T.
  template <typename T>
  T& cell() const {
    return *static_cast<T*>(element_);
  }
  /// Fixes type on a NONE value (detaching a released alias first).
  void BeginWrite(ValueType type);
  /// Stores an integer datum into the numeric type of the value.
  void StoreInteger(int64_t number);
  /// Stores a floating datum into the numeric type of the value.
  void StoreFloating(double number);
  /// The number of cells in the array block.
  uint64_t BlockCells() const;
  /// Frees the array block and every text or object its cells own.
  void FreeArrayBlock();
  /// Frees whatever a scalar owns (a text or an object).
  void FreeScalar();

  union Cell {
    char* text;
    float real;
    int16_t integer;
    int32_t longNumber;
    double doubleNumber;
    uint8_t byte;
    int32_t boolean;
    char character;
    ScriptObject* object;
  };

  ValueType type_ = ValueType::NONE;
  void* storage_ = &inline_;
  void* element_ = &inline_;
  Cell inline_{};
  int32_t bound1_ = 0;
  int32_t bound2_ = 0;
  int32_t bound3_ = 0;
  bool alias_ = false;
  mutable char characterText_[2] = {0, 0};
};

/// target := source, by the source's type: texts, numbers (a NONE target takes
/// the source's type first), flags and characters convert into the target's
/// type; an object hands itself over through its AssignTo. A NONE source, and
/// every pairing the conversion rules forbid, raise "Type Mismatch".
void Assign(Value& target, const Value& source);

/// Makes target borrow source's storage, type and bounds (a BYREF parameter):
/// reads and writes through target act on source's data; target frees nothing.
void MakeAlias(Value& target, Value& source);

}  // namespace vorna
