// The conversions between text and numbers: CDBL, CINT, CLNG and VAL read a
// number from a text; CSTR, STRING, HEX and OCT write a number as text.
#include <cstdio>

#include "builtins/function_families.h"
#include "script/activation.h"
#include "script/function_arguments.h"
#include "script/function_table.h"
#include "script/keywords.h"
#include "values/decimal_text.h"
#include "values/errors.h"
#include "values/numeric_conversion.h"
#include "values/value.h"

namespace vorna {

namespace {

/// x as CDBL reads it: a text's decimal number, a number widened, a BOOLEAN
/// as -1 or 0; any other type is "Type Mismatch".
double ConvertToDouble(const Value& x) {
  switch (x.type()) {
    case ValueType::STRING:
      return ReadDecimal(x.AsString());
    case ValueType::REAL:
    case ValueType::INTEGER:
    case ValueType::LONG:
    case ValueType::DOUBLE:
    case ValueType::BYTE:
      return x.AsDouble();
    case ValueType::BOOLEAN:
      return x.AsBoolean() != 0 ? -1.0 : 0.0;
    default:
      Raise(errorNumbers::TypeMismatch);
  }
}

double ReadConverted(Activation& activation) {
  Value argument;
  ReadSingleArgument(activation, DollarSuffix::NotAllowed, argument);
  return ConvertToDouble(argument);
}

void CDbl(Activation& activation, Value& result) {
  result.SetDouble(ReadConverted(activation));
}

void CInt(Activation& activation, Value& result) {
  result.SetInteger(Low16(TruncateToInt64(ReadConverted(activation))));
}

void CLng(Activation& activation, Value& result) {
  result.SetLong(Low32(TruncateToInt64(ReadConverted(activation))));
}

// VAL(s): the decimal number at the start of the text.
void Val(Activation& activation, Value& result) {
  std::string text = ReadSingleTextArgument(activation, DollarSuffix::NotAllowed);
  result.SetDouble(ReadDecimal(text.c_str()));
}

/// "( x )" read as a LONG, with the optional "$".
int32_t ReadLongWithDollar(Activation& activation) {
  Value argument;
  ReadSingleArgument(activation, DollarSuffix::Allowed, argument);
  return argument.AsLong();
}

// CSTR[$](x): the LONG in decimal, a blank before a number of 0 or more.
void CStr(Activation& activation, Value& result) {
  int32_t number = ReadLongWithDollar(activation);
  char text[16];
  std::snprintf(text, sizeof text, number >= 0 ? " %ld" : "%ld", static_cast<long>(number));
  result.SetString(text);
}

// STRING[$]: CSTR under another name (its own "$" first, then CSTR's).
void String(Activation& activation, Value& result) {
  activation.cursor().MatchChar('$');
  CStr(activation, result);
}

/// The LONG's 32 bits as an unsigned number in base 16 or 8, lower-case digits.
void WriteUnsigned(Activation& activation, Value& result, const char* format) {
  uint32_t bits = static_cast<uint32_t>(ReadLongWithDollar(activation));
  char text[16];
  std::snprintf(text, sizeof text, format, static_cast<unsigned long>(bits));
  result.SetString(text);
}

void Hex(Activation& activation, Value& result) {
  WriteUnsigned(activation, result, "%lx");
}

void Oct(Activation& activation, Value& result) {
  WriteUnsigned(activation, result, "%lo");
}

}  // namespace

void RegisterConversionFunctions(FunctionTable& table) {
  table.Register(KeywordId::CDbl, CDbl);
  table.Register(KeywordId::CInt, CInt);
  table.Register(KeywordId::CLng, CLng);
  table.Register(KeywordId::CStr, CStr);
  table.Register(KeywordId::Hex, Hex);
  table.Register(KeywordId::Oct, Oct);
  table.Register(KeywordId::String, String);
  table.Register(KeywordId::Val, Val);
}

}  // namespace vorna
