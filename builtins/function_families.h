// The families of the function library, each registering its handlers in the
// one dispatch table by keyword id.
#pragma once

namespace vorna {

struct FunctionTable;

/// ASC, CHR, INSTR, LCASE, LEFT, LEN, LTRIM, MID, RIGHT, RTRIM, SPACE, UCASE.
void RegisterTextFunctions(FunctionTable& table);
/// ABS, ATN, COS, EXP, FIX, INT, LOG, RND, SGN, SIN, SQR, TAN.
void RegisterNumberFunctions(FunctionTable& table);
/// CDBL, CINT, CLNG, CSTR, HEX, OCT, STRING, VAL.
void RegisterConversionFunctions(FunctionTable& table);
/// ERR with its members, and ERROR.
void RegisterErrorFunctions(FunctionTable& table);
/// ENVIRON, MSGBOX, REGISTRY, SHELL.
void RegisterSystemFunctions(FunctionTable& table);
/// EOF, FREEFILE.
void RegisterFileFunctions(FunctionTable& table);
/// The reserved words that raise "Functionality Not Implemented".
void RegisterReservedFunctions(FunctionTable& table);

}  // namespace vorna
