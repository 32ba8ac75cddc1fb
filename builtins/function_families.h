// The families of the function library, each registering its handlers in the
// interpreter's function table by keyword id.
#pragma once

namespace vorna {

class FunctionTable;

/// Registers the handlers of every family below; start-up calls it once for
/// each interpreter.
void RegisterBuiltinFunctions(FunctionTable& table);

/// ASC, CHR, INSTR, LCASE, LEFT, LEN, LTRIM, MID, RIGHT, RTRIM, SPACE, UCASE.
void RegisterTextFunctions(FunctionTable& table);
/// ABS, ATN, COS, EXP, FIX, INT, LOG, RND, SGN, SIN, SQR, TAN.
void RegisterNumberFunctions(FunctionTable& table);
/// CDBL, CINT, CLNG, CSTR, HEX, OCT, STRING, VAL.
void RegisterConversionFunctions(FunctionTable& table);
/// ERR with its members, and ERROR.
void RegisterErrorFunctions(FunctionTable& table);
/// ENVIRON, MSGBOX, SHELL.
void RegisterSystemFunctions(FunctionTable& table);
/// EOF, FREEFILE.
void RegisterFileFunctions(FunctionTable& table);
/// The reserved words that raise "Functionality Not Implemented".
void RegisterReservedFunctions(FunctionTable& table);

}  // namespace vorna
