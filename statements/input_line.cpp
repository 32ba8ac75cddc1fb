#include "statements/input_line.h"

#include "values/char_class.h"
#include "values/decimal_text.h"
#include "values/errors.h"
#include "values/numeric_conversion.h"
#include "values/value.h"

namespace vorna {

std::optional<InputLine> ReadInputLine(platform::File& file) {
  std::string text;
  char byte;
  size_t got = 0;
  while (file.Read(&byte, 1, &got) && got == 1) {
    if (byte == '\r') {
      if (file.Read(&byte, 1, &got) && got == 1 && byte != '\n') {
        file.Seek(-1, platform::SeekOrigin::Current);
      }
      return InputLine{text, false};
    }
    if (byte != '\n') text.push_back(byte);
  }
  if (text.empty()) return std::nullopt;
  return InputLine{text, true};
}

void StoreInputText(Value& variable, const std::string& text) {
  switch (variable.type()) {
    case ValueType::NONE:
    case ValueType::STRING:
      variable.SetString(text.c_str());
      break;
    case ValueType::REAL:
    case ValueType::DOUBLE:
      variable.SetDouble(ReadDecimal(text.c_str()));
      break;
    case ValueType::INTEGER:
      variable.SetInteger(Low16(ReadWholeDecimal(text.c_str())));
      break;
    case ValueType::LONG:
      variable.SetLong(Low32(ReadWholeDecimal(text.c_str())));
      break;
    case ValueType::BYTE:
      variable.SetByte(Low8(ReadWholeDecimal(text.c_str())));
      break;
    case ValueType::BOOLEAN: {
      char first = ToUpper(text.empty() ? '\0' : text[0]);
      variable.SetBoolean(first == 'T' || first == 'Y' ? 1 : 0);
      break;
    }
    case ValueType::CHARACTER:
      variable.SetCharacter(text.empty() ? '\0' : text[0]);
      break;
    default:
      Raise(errorNumbers::IllegalUse);
  }
}

}  // namespace vorna
