// The numbered script errors and the two internal error texts.
//
// Script errors travel as exceptions: a number is thrown as an errorNumbers
// value and an internal error as an InternalError; both unwind to the two
// catchers of the run loop.
#pragma once

#include <cstdint>

namespace vorna {

enum class errorNumbers : int32_t {
  NameAlreadyDeclared = 1,
  Break = 2,
  ArrayBounds = 3,
  CantExecuteProgram = 4,
  DimStatement = 5,
  DivisionByZero = 6,
  ExpectedAsKeyword = 7,
  EndIfWithoutIf = 8,
  FunctionNotFound = 9,
  FunctionProcedure = 10,
  IfWithoutThen = 11,
  NotEnoughParameters = 12,
  IllegalUse = 13,
  IllegalUseOfOperator = 14,
  IllegalValue = 15,
  Input = 16,
  InvalidType = 17,
  InvalidBooleanOperator = 18,
  InvalidUseOfKeyword = 19,
  ModuleNotLoaded = 20,
  ForWithoutEquals = 21,
  NextWithoutFor = 22,
  NoHandlesLeft = 23,
  ForWithoutTo = 24,
  NotDeclarativeInGlobalArea = 25,
  NotAnArray = 26,
  FunctionalityNotImplemented = 27,
  OutOfMemory = 28,
  ProgramModeOnly = 29,
  ReturnWithoutGosub = 30,
  StringTooLong = 31,
  Syntax = 32,
  TypeMismatch = 33,
  UndefinedObjectMember = 34,
  UndefinedVariable = 35,
  UnexpectedEndOfLine = 36,
  UnknownVariableType = 37,
  UnsupportedConversion = 38,
  UnterminatedBlock = 39,
  UnterminatedString = 40,
  VariableAlreadyDefined = 41,
  VariableIsAnArray = 42,
  VariableNameTooLong = 43,
  WendWithoutWhile = 44,
  Gdi = 45,
  FileNotFound = 46,
  UndefinedLabel = 47,
  Disk = 48,
  FileHandleInUse = 49,
  FileHandleUndefined = 50,
  IllegalFunctionName = 51,
  EndOfFile = 52,
  Access = 53,
};

/// An internal error: raised as a text, reported as "?TEXT ERROR:".
struct InternalError {
  const char* text;
};

constexpr const char* kCantExecuteProgram = "CAN'T EXECUTE PROGRAM";
constexpr const char* kTypeMismatchText = "TYPE MISMATCH";

/// Throws the error number; never returns.
[[noreturn]] void Raise(errorNumbers number);
/// Throws an internal error text; never returns.
[[noreturn]] void RaiseText(const char* text);

/// The table's message for a code, or nullptr when the table has no row.
const char* MessageOf(int32_t code);

}  // namespace vorna
