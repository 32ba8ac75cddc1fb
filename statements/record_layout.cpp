#include "statements/record_layout.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "values/errors.h"
#include "values/value.h"

namespace vorna {

namespace {

/// The low size bytes of number, least significant first.
std::string LittleEndian(uint64_t number, size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
  return bytes;
}

uint64_t FromLittleEndian(const std::vector<uint8_t>& bytes) {
  uint64_t number = 0;
  for (size_t i = bytes.size(); i-- > 0;) number = (number << 8) | bytes[i];
  return number;
}

uint64_t DoubleBits(double number) {
  uint64_t bits;
  std::memcpy(&bits, &number, sizeof bits);
  return bits;
}

double BitsDouble(uint64_t bits) {
  double number;
  std::memcpy(&number, &bits, sizeof number);
  return number;
}

std::string EncodeText(const char* text) {
  size_t length = std::strlen(text);
  if (length > kMaxRecordText) Raise(errorNumbers::IllegalValue);
  return LittleEndian(length, 2) + std::string(text, length);
}

/// size bytes from the file; what lies past its end reads as zero.
std::vector<uint8_t> ReadBytes(platform::File& file, size_t size) {
  std::vector<uint8_t> bytes(size, 0);
  size_t got = 0;
  while (got < size) {
    size_t chunk = 0;
    if (!file.Read(bytes.data() + got, size - got, &chunk)) Raise(errorNumbers::Disk);
    if (chunk == 0) break;
    got += chunk;
  }
  return bytes;
}

/// A STRING record: its length, then that many bytes (a negative length reads as 0).
std::string ReadText(platform::File& file) {
  int16_t length = static_cast<int16_t>(FromLittleEndian(ReadBytes(file, 2)));
  if (length <= 0) return std::string();
  std::vector<uint8_t> bytes = ReadBytes(file, static_cast<size_t>(length));
  // The text ends at its first zero byte, as every text of the language does.
  auto end = std::find(bytes.begin(), bytes.end(), uint8_t{0});
  return std::string(bytes.begin(), end);
}

}  // namespace

std::string EncodeRecord(const Value& value) {
  switch (value.type()) {
    case ValueType::STRING:
      return EncodeText(value.AsString());
    case ValueType::REAL:
    case ValueType::DOUBLE:
      return LittleEndian(DoubleBits(value.AsDouble()), 8);
    case ValueType::INTEGER:
      // The value's two bytes, then six zero bytes of padding.
      return LittleEndian(static_cast<uint16_t>(value.AsInteger()), 8);
    case ValueType::LONG:
      return LittleEndian(static_cast<uint32_t>(value.AsLong()), 4);
    case ValueType::BYTE:
      return LittleEndian(value.AsByte(), 1);
    case ValueType::BOOLEAN:
      return LittleEndian(value.AsBoolean() != 0 ? 1 : 0, 1);
    case ValueType::CHARACTER:
      return std::string(1, value.AsCharacter());
    default:
      Raise(errorNumbers::IllegalUse);
  }
}

void ReadRecord(platform::File& file, Value& variable) {
  switch (variable.type()) {
    case ValueType::STRING:
      variable.SetString(ReadText(file).c_str());
      break;
    case ValueType::REAL:
    case ValueType::DOUBLE:
      variable.SetDouble(BitsDouble(FromLittleEndian(ReadBytes(file, 8))));
      break;
    case ValueType::INTEGER:
      variable.SetInteger(static_cast<int16_t>(FromLittleEndian(ReadBytes(file, 8))));
      break;
    case ValueType::LONG:
      variable.SetLong(static_cast<int32_t>(FromLittleEndian(ReadBytes(file, 4))));
      break;
    case ValueType::BYTE:
      variable.SetByte(ReadBytes(file, 1)[0]);
      break;
    case ValueType::BOOLEAN:
      variable.SetBoolean(ReadBytes(file, 1)[0] != 0 ? 1 : 0);
      break;
    case ValueType::CHARACTER:
      variable.SetCharacter(static_cast<char>(ReadBytes(file, 1)[0]));
      break;
    default:
      Raise(errorNumbers::IllegalUse);
  }
}

}  // namespace vorna
