// The text functions of the library.
//
// Texts are worked on whole, whatever their length: a text longer than 2047
// characters (which concatenation can build) is cut, searched and trimmed
// like any other, never truncated and never read past its end.
//
// Counts and starts outside the text are defined as follows:
// - LEFT and RIGHT with a negative count, and MID with a negative length,
//   raise "Illegal Value": there is no sensible text for them.
// - MID with a start below 1 raises "Illegal Value", also together with a
//   length (only a length of 0 gives the empty text before the start is
//   looked at).
// - INSTR with a start of 0 raises "Illegal Use", and with a negative start
//   "Illegal Value".
#include <string>

#include "builtins/function_families.h"
#include "script/activation.h"
#include "script/function_arguments.h"
#include "script/function_table.h"
#include "script/keywords.h"
#include "values/char_class.h"
#include "values/errors.h"
#include "values/numeric_conversion.h"
#include "values/value.h"

namespace vorna {

namespace {

std::string UpperCased(std::string text) {
  for (char& c : text) c = ToUpper(c);
  return text;
}

std::string LowerCased(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// ASC(s): the first character as a signed byte; an empty text gives 0.
void Asc(Activation& activation, Value& result) {
  Value argument;
  ReadSingleArgument(activation, DollarSuffix::NotAllowed, argument);
  result.SetInteger(static_cast<int16_t>(SignedCode(argument.AsCharacter())));
}

// CHR[$](n): the character with the low 8 bits of n.
void Chr(Activation& activation, Value& result) {
  Value argument;
  ReadSingleArgument(activation, DollarSuffix::Allowed, argument);
  result.SetCharacter(static_cast<char>(Low8(argument.AsInteger())));
}

// LCASE[$](s)
void LCase(Activation& activation, Value& result) {
  std::string text = ReadSingleTextArgument(activation, DollarSuffix::Allowed);
  result.SetString(LowerCased(text).c_str());
}

// UCASE[$](s)
void UCase(Activation& activation, Value& result) {
  std::string text = ReadSingleTextArgument(activation, DollarSuffix::Allowed);
  result.SetString(UpperCased(text).c_str());
}

// LTRIM[$](s): without leading spaces and tabs.
void LTrim(Activation& activation, Value& result) {
  std::string text = ReadSingleTextArgument(activation, DollarSuffix::Allowed);
  size_t start = 0;
  while (start < text.size() && IsBlank(text[start])) ++start;
  result.SetString(text.c_str() + start);
}

// RTRIM[$](s): without trailing spaces and tabs.
void RTrim(Activation& activation, Value& result) {
  std::string text = ReadSingleTextArgument(activation, DollarSuffix::Allowed);
  size_t end = text.size();
  while (end > 0 && IsBlank(text[end - 1])) --end;
  text.resize(end);
  result.SetString(text.c_str());
}

// LEN(s): the characters up to the first zero byte.
void Len(Activation& activation, Value& result) {
  std::string text = ReadSingleTextArgument(activation, DollarSuffix::NotAllowed);
  result.SetLong(static_cast<int32_t>(std::char_traits<char>::length(text.c_str())));
}

// SPACE[$](n), n in 0..2048.
void Space(Activation& activation, Value& result) {
  Value count;
  OpenArguments(activation, DollarSuffix::Allowed);
  ReadArgument(activation, count, 0, 2048);
  CloseArguments(activation);
  result.SetString(std::string(static_cast<size_t>(count.AsLong()), ' ').c_str());
}

enum class Side { Left, Right };

// LEFT[$](s, n) and RIGHT[$](s, n): n at or beyond the length copies the
// argument whole (a CHARACTER stays a CHARACTER).
void Cut(Activation& activation, Value& result, Side side) {
  Value source, count;
  OpenArguments(activation, DollarSuffix::Allowed);
  ReadArgument(activation, source);
  NextArgument(activation);
  ReadArgument(activation, count);
  CloseArguments(activation);
  std::string text = source.AsString();
  int32_t n = count.AsInteger();
  if (n < 0) Raise(errorNumbers::IllegalValue);
  if (n == 0) {
    result.SetString("");
  } else if (static_cast<size_t>(n) >= text.size()) {
    Assign(result, source);
  } else if (side == Side::Left) {
    result.SetString(text.substr(0, static_cast<size_t>(n)).c_str());
  } else {
    result.SetString(text.substr(text.size() - static_cast<size_t>(n)).c_str());
  }
}

void Left(Activation& activation, Value& result) {
  Cut(activation, result, Side::Left);
}

void Right(Activation& activation, Value& result) {
  Cut(activation, result, Side::Right);
}

// MID[$](s, start [, length]), start counted from 1.
void Mid(Activation& activation, Value& result) {
  Value source, startValue, lengthValue;
  OpenArguments(activation, DollarSuffix::Allowed);
  ReadArgument(activation, source);
  NextArgument(activation);
  ReadArgument(activation, startValue);
  bool hasLength = MoreArguments(activation);
  if (hasLength) ReadArgument(activation, lengthValue);
  CloseArguments(activation);
  std::string text = source.AsString();
  int32_t start = startValue.AsInteger();
  int32_t length = hasLength ? lengthValue.AsInteger() : 0;
  if (hasLength && length == 0) {
    result.SetString("");
    return;
  }
  if (start < 1 || length < 0) Raise(errorNumbers::IllegalValue);
  size_t first = static_cast<size_t>(start) - 1;
  if (first >= text.size()) {
    result.SetString("");
  } else if (hasLength) {
    result.SetString(text.substr(first, static_cast<size_t>(length)).c_str());
  } else {
    result.SetString(text.c_str() + first);
  }
}

// INSTR([start,] haystack, needle [, compare]): a first argument that is not
// a STRING is the start position; compare 1 ignores case.
void InStr(Activation& activation, Value& result) {
  Value first, haystackValue, compare;
  OpenArguments(activation, DollarSuffix::NotAllowed);
  ReadArgument(activation, first);
  int32_t start = 1;
  std::string haystack;
  if (first.type() != ValueType::STRING) {
    start = first.AsLong();
    if (start == 0) Raise(errorNumbers::IllegalUse);
    if (start < 0) Raise(errorNumbers::IllegalValue);
    NextArgument(activation);
    haystack = ReadTextArgument(activation);
  } else {
    haystack = first.AsString();
  }
  NextArgument(activation);
  std::string needle = ReadTextArgument(activation);
  if (MoreArguments(activation)) {
    ReadArgument(activation, compare, 0, 1);
    if (compare.AsLong() == 1) {
      haystack = UpperCased(haystack);
      needle = UpperCased(needle);
    }
  }
  CloseArguments(activation);
  size_t from = static_cast<size_t>(start) - 1;
  size_t found = from < haystack.size() ? haystack.find(needle, from) : std::string::npos;
  if (found == std::string::npos) {
    result.SetInteger(0);
  } else {
    result.SetLong(static_cast<int32_t>(found + 1));
  }
}

}  // namespace

void RegisterTextFunctions(FunctionTable& table) {
  table.Register(KeywordId::Asc, Asc);
  table.Register(KeywordId::Chr, Chr);
  table.Register(KeywordId::InStr, InStr);
  table.Register(KeywordId::LCase, LCase);
  table.Register(KeywordId::Left, Left);
  table.Register(KeywordId::Len, Len);
  table.Register(KeywordId::LTrim, LTrim);
  table.Register(KeywordId::Mid, Mid);
  table.Register(KeywordId::Right, Right);
  table.Register(KeywordId::RTrim, RTrim);
  table.Register(KeywordId::Space, Space);
  table.Register(KeywordId::UCase, UCase);
}

}  // namespace vorna
