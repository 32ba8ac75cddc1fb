// The one list of the numbered script errors: each row gives the name the
// code raises, the number scripts see (ERR.NUMBER) and the fixed message.
// errorNumbers and the message table are both generated from it.
#pragma once

// clang-format off
#define VORNA_ERRORS(ERROR)                                                          \
  ERROR(NameAlreadyDeclared,         1,  "Name Already Declared")                    \
  ERROR(Break,                       2,  "Break")                                    \
  ERROR(ArrayBounds,                 3,  "Array Bounds")                             \
  ERROR(CantExecuteProgram,          4,  "Can't Execute Program")                    \
  ERROR(DimStatement,                5,  "Dim Statement")                            \
  ERROR(DivisionByZero,              6,  "Division by Zero")                         \
  ERROR(ExpectedAsKeyword,           7,  "Expected AS Keyword")                      \
  ERROR(EndIfWithoutIf,              8,  "END IF without IF")                        \
  ERROR(FunctionNotFound,            9,  "Function Not Found")                       \
  ERROR(FunctionProcedure,           10, "Function/Procedure")                       \
  ERROR(IfWithoutThen,               11, "If Without Then")                          \
  ERROR(NotEnoughParameters,         12, "Not Enough Parameters")                    \
  ERROR(IllegalUse,                  13, "Illegal Use")                              \
  ERROR(IllegalUseOfOperator,        14, "Illegal Use of Operator")                  \
  ERROR(IllegalValue,                15, "Illegal Value")                            \
  ERROR(Input,                       16, "Input")                                    \
  ERROR(InvalidType,                 17, "Invalid Type")                             \
  ERROR(InvalidBooleanOperator,      18, "Invalid Boolean Operator")                 \
  ERROR(InvalidUseOfKeyword,         19, "Invalid Use of Keyword")                   \
  ERROR(ModuleNotLoaded,             20, "Module Not Loaded")                        \
  ERROR(ForWithoutEquals,            21, "For Without =")                            \
  ERROR(NextWithoutFor,              22, "Next Without For")                         \
  ERROR(NoHandlesLeft,               23, "No Handles Left")                          \
  ERROR(ForWithoutTo,                24, "For Without To")                           \
  ERROR(NotDeclarativeInGlobalArea,  25, "Not Declarative Statement in Global Area") \
  ERROR(NotAnArray,                  26, "Not An Array")                             \
  ERROR(FunctionalityNotImplemented, 27, "Functionality Not Implemented")            \
  ERROR(OutOfMemory,                 28, "Out of Memory")                            \
  ERROR(ProgramModeOnly,             29, "Program Mode Only")                        \
  ERROR(ReturnWithoutGosub,          30, "Return Without Gosub")                     \
  ERROR(StringTooLong,               31, "String Too Long")                          \
  ERROR(Syntax,                      32, "Syntax")                                   \
  ERROR(TypeMismatch,                33, "Type Mismatch")                            \
  ERROR(UndefinedObjectMember,       34, "Undefined Object Property/Method")         \
  ERROR(UndefinedVariable,           35, "Undefined Variable")                       \
  ERROR(UnexpectedEndOfLine,         36, "Unexpected End of Line")                   \
  ERROR(UnknownVariableType,         37, "Unknown Variable Type")                    \
  ERROR(UnsupportedConversion,       38, "Unsupported Conversion")                   \
  ERROR(UnterminatedBlock,           39, "Unterminated Block")                       \
  ERROR(UnterminatedString,          40, "Unterminated String")                      \
  ERROR(VariableAlreadyDefined,      41, "Variable Already Defined")                 \
  ERROR(VariableIsAnArray,           42, "Variable is an Array")                     \
  ERROR(VariableNameTooLong,         43, "Variable Name Too Long")                   \
  ERROR(WendWithoutWhile,            44, "Wend Without While")                       \
  ERROR(Gdi,                         45, "GDI")                                      \
  ERROR(FileNotFound,                46, "File Not Found")                           \
  ERROR(UndefinedLabel,              47, "Undefined Label")                          \
  ERROR(Disk,                        48, "Disk")                                     \
  ERROR(FileHandleInUse,             49, "File Handle In Use")                       \
  ERROR(FileHandleUndefined,         50, "File Handle Undefined")                    \
  ERROR(IllegalFunctionName,         51, "Illegal Function Name")                    \
  ERROR(EndOfFile,                   52, "End of File")                              \
  ERROR(Access,                      53, "Access")
// clang-format on
