// The numeric functions of the library. Arguments are read as DOUBLE or as
// LONG; none of them checks for overflow or a domain error (LOG(0) is minus
// infinity, SQR(-1) a NaN).
#include <cmath>

#include "builtins/function_families.h"
#include "script/activation.h"
#include "script/function_arguments.h"
#include "script/function_table.h"
#include "script/keywords.h"
#include "script/random.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {

namespace {

/// "( x )" read as a DOUBLE.
double ReadDouble(Activation& activation) {
  Value argument;
  ReadSingleArgument(activation, DollarSuffix::NotAllowed, argument);
  return argument.AsDouble();
}

// ABS(x): keeps the type of x.
void Abs(Activation& activation, Value& result) {
  Value argument;
  ReadSingleArgument(activation, DollarSuffix::NotAllowed, argument);
  // Read before anything is stored, so that a text fails without a partial result.
  double number = argument.AsDouble();
  if (argument.type() == ValueType::OBJECT) Raise(errorNumbers::TypeMismatch);
  if (argument.type() == ValueType::NONE) {
    // A value of no type reads as 0, as every numeric argument does.
    result.SetInteger(0);
    return;
  }
  Assign(result, argument);
  if (number < 0) result.SetDouble(-number);
}

void Atn(Activation& activation, Value& result) {
  result.SetDouble(std::atan(ReadDouble(activation)));
}

void Cos(Activation& activation, Value& result) {
  result.SetDouble(std::cos(ReadDouble(activation)));
}

void Sin(Activation& activation, Value& result) {
  result.SetDouble(std::sin(ReadDouble(activation)));
}

void Tan(Activation& activation, Value& result) {
  result.SetDouble(std::tan(ReadDouble(activation)));
}

void Exp(Activation& activation, Value& result) {
  result.SetDouble(std::exp(ReadDouble(activation)));
}

void Log(Activation& activation, Value& result) {
  result.SetDouble(std::log(ReadDouble(activation)));
}

void Sqr(Activation& activation, Value& result) {
  result.SetDouble(std::sqrt(ReadDouble(activation)));
}

// FIX(x): truncated toward zero.
void Fix(Activation& activation, Value& result) {
  Value argument;
  ReadSingleArgument(activation, DollarSuffix::NotAllowed, argument);
  result.SetLong(argument.AsLong());
}

// INT(x): the largest whole number not above x (for x in the LONG range).
void Int(Activation& activation, Value& result) {
  Value argument;
  ReadSingleArgument(activation, DollarSuffix::NotAllowed, argument);
  int32_t truncated = argument.AsLong();
  if (truncated < 0 && argument.AsDouble() != static_cast<double>(truncated)) --truncated;
  result.SetLong(truncated);
}

// SGN(x): the sign of x truncated toward zero, so SGN(0.5) is 0.
void Sgn(Activation& activation, Value& result) {
  Value argument;
  ReadSingleArgument(activation, DollarSuffix::NotAllowed, argument);
  int32_t truncated = argument.AsLong();
  result.SetInteger(static_cast<int16_t>(truncated < 0 ? -1 : truncated > 0 ? 1 : 0));
}

// RND(): 0 to 1, both ends included.
void Rnd(Activation& activation, Value& result) {
  OpenArguments(activation, DollarSuffix::NotAllowed);
  CloseArguments(activation);
  result.SetDouble(static_cast<double>(NextRandom()) * (1.0 / kRandomMax));
}

}  // namespace

void RegisterNumberFunctions(FunctionTable& table) {
  table.Register(KeywordId::Abs, Abs);
  table.Register(KeywordId::Atn, Atn);
  table.Register(KeywordId::Cos, Cos);
  table.Register(KeywordId::Exp, Exp);
  table.Register(KeywordId::Fix, Fix);
  table.Register(KeywordId::Int, Int);
  table.Register(KeywordId::Log, Log);
  table.Register(KeywordId::Rnd, Rnd);
  table.Register(KeywordId::Sgn, Sgn);
  table.Register(KeywordId::Sin, Sin);
  table.Register(KeywordId::Sqr, Sqr);
  table.Register(KeywordId::Tan, Tan);
}

}  // namespace vorna
