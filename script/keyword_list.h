// The one list of the language's keywords, in the table's fixed order. The
// keyword ids (KeywordId) and the table's rows are both generated from it, so
// a keyword is named, classed and numbered in exactly one place.
//
// Each entry is ROW, AGAIN or LATE with the id's name, the keyword's text and
// its class:
//   ROW    the first row of a name; ids number these rows in order from 0
//   AGAIN  the second row of a doubled name: same text, same id, other class
//   LATE   a first row whose id comes after the end marker (the three words
//          added to the language last keep ids above the marker's)
#pragma once

// clang-format off
#define VORNA_KEYWORDS(ROW, AGAIN, LATE)      \
  ROW(Abs,          "ABS",         Function)  \
  ROW(Access,       "ACCESS",      Clause)    \
  ROW(And,          "AND",         Operator)  \
  ROW(Any,          "ANY",         TypeName)  \
  ROW(Append,       "APPEND",      Clause)    \
  ROW(As,           "AS",          Clause)    \
  ROW(Asc,          "ASC",         Function)  \
  ROW(Atn,          "ATN",         Function)  \
  ROW(Base,         "BASE",        Clause)    \
  ROW(Beep,         "BEEP",        Statement) \
  ROW(Binary,       "BINARY",      Clause)    \
  ROW(Boolean,      "BOOLEAN",     TypeName)  \
  ROW(Byte,         "BYTE",        TypeName)  \
  ROW(ByRef,        "BYREF",       Clause)    \
  ROW(ByVal,        "BYVAL",       Clause)    \
  ROW(Call,         "CALL",        Statement) \
  ROW(Case,         "CASE",        Statement) \
  ROW(CDbl,         "CDBL",        Function)  \
  ROW(Character,    "CHARACTER",   TypeName)  \
  ROW(ChDir,        "CHDIR",       Statement) \
  ROW(Chr,          "CHR",         Function)  \
  ROW(CInt,         "CINT",        Function)  \
  ROW(CLng,         "CLNG",        Function)  \
  ROW(Close,        "CLOSE",       Statement) \
  ROW(Cls,          "CLS",         Statement) \
  ROW(Const,        "CONST",       Statement) \
  ROW(Cos,          "COS",         Function)  \
  LATE(CreateLink,  "CREATELINK",  Statement) \
  ROW(Date,         "DATE",        Function)  \
  ROW(Dim,          "DIM",         Statement) \
  ROW(Do,           "DO",          Statement) \
  ROW(Double,       "DOUBLE",      TypeName)  \
  ROW(Else,         "ELSE",        Statement) \
  ROW(ElseIf,       "ELSEIF",      Statement) \
  ROW(End,          "END",         Statement) \
  ROW(EndIf,        "ENDIF",       Statement) \
  ROW(Environ,      "ENVIRON",     Function)  \
  ROW(Eof,          "EOF",         Function)  \
  ROW(Eqv,          "EQV",         Operator)  \
  ROW(Erase,        "ERASE",       Statement) \
  ROW(Err,          "ERR",         Function)  \
  ROW(Error,        "ERROR",       Clause)    \
  AGAIN(Error,      "ERROR",       Function)  \
  ROW(Exit,         "EXIT",        Statement) \
  ROW(Exp,          "EXP",         Function)  \
  ROW(False,        "FALSE",       Constant)  \
  ROW(FileAttr,     "FILEATTR",    Function)  \
  ROW(Fix,          "FIX",         Function)  \
  ROW(For,          "FOR",         Statement) \
  ROW(FreeFile,     "FREEFILE",    Function)  \
  ROW(Function,     "FUNCTION",    Statement) \
  ROW(Get,          "GET",         Statement) \
  ROW(GoSub,        "GOSUB",       Statement) \
  ROW(GoTo,         "GOTO",        Statement) \
  ROW(Hex,          "HEX",         Function)  \
  ROW(If,           "IF",          Statement) \
  ROW(Imp,          "IMP",         Operator)  \
  ROW(Input,        "INPUT",       Statement) \
  AGAIN(Input,      "INPUT",       Function)  \
  ROW(InStr,        "INSTR",       Function)  \
  ROW(Int,          "INT",         Function)  \
  ROW(Integer,      "INTEGER",     TypeName)  \
  ROW(Is,           "IS",          Constant)  \
  ROW(Kill,         "KILL",        Statement) \
  ROW(LCase,        "LCASE",       Function)  \
  ROW(Left,         "LEFT",        Function)  \
  ROW(Len,          "LEN",         Function)  \
  ROW(Let,          "LET",         Statement) \
  ROW(Load,         "LOAD",        Statement) \
  ROW(Loc,          "LOC",         Function)  \
  ROW(Lock,         "LOCK",        Statement) \
  ROW(Log,          "LOG",         Function)  \
  ROW(Long,         "LONG",        TypeName)  \
  ROW(Loop,         "LOOP",        Statement) \
  ROW(LSet,         "LSET",        Statement) \
  ROW(LTrim,        "LTRIM",       Function)  \
  ROW(Mid,          "MID",         Function)  \
  ROW(MkDir,        "MKDIR",       Statement) \
  ROW(Mod,          "MOD",         Operator)  \
  ROW(MsgBox,       "MSGBOX",      Function)  \
  AGAIN(MsgBox,     "MSGBOX",      Statement) \
  ROW(Name,         "NAME",        Statement) \
  ROW(Next,         "NEXT",        Statement) \
  ROW(Not,          "NOT",         Operator)  \
  ROW(Oct,          "OCT",         Function)  \
  ROW(On,           "ON",          Statement) \
  AGAIN(On,         "ON",          Clause)    \
  ROW(Open,         "OPEN",        Statement) \
  ROW(Option,       "OPTION",      Statement) \
  ROW(Or,           "OR",          Operator)  \
  ROW(Output,       "OUTPUT",      Clause)    \
  ROW(Print,        "PRINT",       Statement) \
  ROW(Put,          "PUT",         Statement) \
  ROW(Random,       "RANDOM",      Clause)    \
  ROW(Randomize,    "RANDOMIZE",   Statement) \
  ROW(Read,         "READ",        Clause)    \
  ROW(Real,         "REAL",        TypeName)  \
  ROW(ReDim,        "REDIM",       Statement) \
  LATE(Registry,    "REGISTRY",    Function)  \
  ROW(Rem,          "REM",         Statement) \
  ROW(Reset,        "RESET",       Statement) \
  ROW(Resume,       "RESUME",      Clause)    \
  AGAIN(Resume,     "RESUME",      Statement) \
  ROW(Return,       "RETURN",      Statement) \
  ROW(Right,        "RIGHT",       Function)  \
  ROW(RmDir,        "RMDIR",       Statement) \
  ROW(Rnd,          "RND",         Function)  \
  ROW(RSet,         "RSET",        Statement) \
  ROW(RTrim,        "RTRIM",       Function)  \
  ROW(Run,          "RUN",         Statement) \
  ROW(Seek,         "SEEK",        Statement) \
  ROW(Select,       "SELECT",      Statement) \
  LATE(SetRegistry, "SETREGISTRY", Statement) \
  ROW(Sgn,          "SGN",         Function)  \
  ROW(Shared,       "SHARED",      Statement) \
  ROW(Shell,        "SHELL",       Function)  \
  ROW(Sin,          "SIN",         Function)  \
  ROW(Sleep,        "SLEEP",       Statement) \
  ROW(Space,        "SPACE",       Function)  \
  ROW(Spc,          "SPC",         Function)  \
  ROW(Sqr,          "SQR",         Function)  \
  ROW(Static,       "STATIC",      Statement) \
  ROW(Step,         "STEP",        Clause)    \
  ROW(Stop,         "STOP",        Statement) \
  ROW(CStr,         "CSTR",        Function)  \
  ROW(Strig,        "STRIG",       Function)  \
  ROW(String,       "STRING",      TypeName)  \
  AGAIN(String,     "STRING",      Function)  \
  ROW(Sub,          "SUB",         Statement) \
  ROW(System,       "SYSTEM",      Statement) \
  ROW(Tab,          "TAB",         Function)  \
  ROW(Tan,          "TAN",         Function)  \
  ROW(Then,         "THEN",        Clause)    \
  ROW(Time,         "TIME",        Function)  \
  ROW(To,           "TO",          Clause)    \
  ROW(True,         "TRUE",        Constant)  \
  ROW(Type,         "TYPE",        Statement) \
  ROW(UCase,        "UCASE",       Function)  \
  ROW(Unlock,       "UNLOCK",      Statement) \
  ROW(Until,        "UNTIL",       Clause)    \
  ROW(Val,          "VAL",         Function)  \
  ROW(Wend,         "WEND",        Statement) \
  ROW(While,        "WHILE",       Statement) \
  ROW(Width,        "WIDTH",       Statement) \
  ROW(Write,        "WRITE",       Statement) \
  ROW(Xor,          "XOR",         Operator)
// clang-format on
