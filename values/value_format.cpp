// The text form of a value, as PRINT and the debugger's watches show it.
#include <cstring>

#include "values/format_number.h"
#include "values/value.h"

namespace vorna {

namespace {

void CopyCut(char* buffer, size_t size, const char* text) {
  if (size == 0) return;
  size_t length = std::strlen(text);
  if (length >= size) length = size - 1;
  std::memcpy(buffer, text, length);
  buffer[length] = '\0';
}

}  // namespace

void Value::FormatValue(char* buffer, size_t size) const {
  switch (type_) {
    case ValueType::STRING:
    case ValueType::CHARACTER:
      CopyCut(buffer, size, AsString());
      break;
    case ValueType::REAL:
    case ValueType::INTEGER:
    case ValueType::LONG:
    case ValueType::DOUBLE:
    case ValueType::BYTE:
      CopyCut(buffer, size, FormatNumber(AsDouble()));
      break;
    case ValueType::BOOLEAN:
      CopyCut(buffer, size, AsBoolean() != 0 ? "true" : "false");
      break;
    case ValueType::OBJECT:
    case ValueType::NONE:
      CopyCut(buffer, size, "[OBJECT]");
      break;
  }
}

}  // namespace vorna
