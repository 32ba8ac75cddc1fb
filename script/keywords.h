// The keyword table that every parser of the script language shares.
//
// Rows stand in a fixed order with fixed ids: the statement dispatcher and the
// function library switch on the ids, so the kw:: constants below are the only
// way code should name a keyword. Six names stand twice (one id, two classes);
// a lookup by name always answers the first of the two rows.
#pragma once

#include <cstdint>

namespace vorna {

/// What the parsers do with a keyword.
enum class KeywordClass : int32_t {
  Function = 0,   // built-in function called from an expression
  Statement = 1,  // starts a statement
  Clause = 2,     // clause word matched by id inside statements
  Operator = 3,   // operator word of the expression evaluator
  Constant = 4,   // TRUE, FALSE, IS
  TypeName = 5,   // type name of a declaration
};

/// One row of the table: upper-case name, class and id.
struct Keyword {
  const char* name;
  KeywordClass klass;
  int32_t id;
};

/// Keyword ids, one per distinct name.
namespace kw {
constexpr int32_t Abs = 0;
constexpr int32_t Access = 1;
constexpr int32_t And = 2;
constexpr int32_t Any = 3;
constexpr int32_t Append = 4;
constexpr int32_t As = 5;
constexpr int32_t Asc = 6;
constexpr int32_t Atn = 7;
constexpr int32_t Base = 8;
constexpr int32_t Beep = 9;
constexpr int32_t Binary = 10;
constexpr int32_t Boolean = 11;
constexpr int32_t Byte = 12;
constexpr int32_t ByRef = 13;
constexpr int32_t ByVal = 14;
constexpr int32_t Call = 15;
constexpr int32_t Case = 16;
constexpr int32_t CDbl = 17;
constexpr int32_t Character = 18;
constexpr int32_t ChDir = 19;
constexpr int32_t Chr = 20;
constexpr int32_t CInt = 21;
constexpr int32_t CLng = 22;
constexpr int32_t Close = 23;
constexpr int32_t Cls = 24;
constexpr int32_t Const = 25;
constexpr int32_t Cos = 26;
constexpr int32_t Date = 27;
constexpr int32_t Dim = 28;
constexpr int32_t Do = 29;
constexpr int32_t Double = 30;
constexpr int32_t Else = 31;
constexpr int32_t ElseIf = 32;
constexpr int32_t End = 33;
constexpr int32_t EndIf = 34;
constexpr int32_t Environ = 35;
constexpr int32_t Eof = 36;
constexpr int32_t Eqv = 37;
constexpr int32_t Erase = 38;
constexpr int32_t Err = 39;
constexpr int32_t Error = 40;
constexpr int32_t Exit = 41;
constexpr int32_t Exp = 42;
constexpr int32_t False = 43;
constexpr int32_t FileAttr = 44;
constexpr int32_t Fix = 45;
constexpr int32_t For = 46;
constexpr int32_t FreeFile = 47;
constexpr int32_t Function = 48;
constexpr int32_t Get = 49;
constexpr int32_t GoSub = 50;
constexpr int32_t GoTo = 51;
constexpr int32_t Hex = 52;
constexpr int32_t If = 53;
constexpr int32_t Imp = 54;
constexpr int32_t Input = 55;
constexpr int32_t InStr = 56;
constexpr int32_t Int = 57;
constexpr int32_t Integer = 58;
constexpr int32_t Is = 59;
constexpr int32_t Kill = 60;
constexpr int32_t LCase = 61;
constexpr int32_t Left = 62;
constexpr int32_t Len = 63;
constexpr int32_t Let = 64;
constexpr int32_t Load = 65;
constexpr int32_t Loc = 66;
constexpr int32_t Lock = 67;
constexpr int32_t Log = 68;
constexpr int32_t Long = 69;
constexpr int32_t Loop = 70;
constexpr int32_t LSet = 71;
constexpr int32_t LTrim = 72;
constexpr int32_t Mid = 73;
constexpr int32_t MkDir = 74;
constexpr int32_t Mod = 75;
constexpr int32_t MsgBox = 76;
constexpr int32_t Name = 77;
constexpr int32_t Next = 78;
constexpr int32_t Not = 79;
constexpr int32_t Oct = 80;
constexpr int32_t On = 81;
constexpr int32_t Open = 82;
constexpr int32_t Option = 83;
constexpr int32_t Or = 84;
constexpr int32_t Output = 85;
constexpr int32_t Print = 86;
constexpr int32_t Put = 87;
constexpr int32_t Random = 88;
constexpr int32_t Randomize = 89;
constexpr int32_t Read = 90;
constexpr int32_t Real = 91;
constexpr int32_t ReDim = 92;
constexpr int32_t Rem = 93;
constexpr int32_t Reset = 94;
constexpr int32_t Resume = 95;
constexpr int32_t Return = 96;
constexpr int32_t Right = 97;
constexpr int32_t RmDir = 98;
constexpr int32_t Rnd = 99;
constexpr int32_t RSet = 100;
constexpr int32_t RTrim = 101;
constexpr int32_t Run = 102;
constexpr int32_t Seek = 103;
constexpr int32_t Select = 104;
constexpr int32_t Sgn = 105;
constexpr int32_t Shared = 106;
constexpr int32_t Shell = 107;
constexpr int32_t Sin = 108;
constexpr int32_t Sleep = 109;
constexpr int32_t Space = 110;
constexpr int32_t Spc = 111;
constexpr int32_t Sqr = 112;
constexpr int32_t Static = 113;
constexpr int32_t Step = 114;
constexpr int32_t Stop = 115;
constexpr int32_t CStr = 116;
constexpr int32_t Strig = 117;
constexpr int32_t String = 118;
constexpr int32_t Sub = 119;
constexpr int32_t System = 120;
constexpr int32_t Tab = 121;
constexpr int32_t Tan = 122;
constexpr int32_t Then = 123;
constexpr int32_t Time = 124;
constexpr int32_t To = 125;
constexpr int32_t True = 126;
constexpr int32_t Type = 127;
constexpr int32_t UCase = 128;
constexpr int32_t Unlock = 129;
constexpr int32_t Until = 130;
constexpr int32_t Val = 131;
constexpr int32_t Wend = 132;
constexpr int32_t While = 133;
constexpr int32_t Width = 134;
constexpr int32_t Write = 135;
constexpr int32_t Xor = 136;
constexpr int32_t CreateLink = 138;
constexpr int32_t Registry = 139;
constexpr int32_t SetRegistry = 140;
}  // namespace kw

/// Id of the end row that closes the table.
constexpr int32_t kEndOfTableId = 137;
/// Number of keyword rows, not counting the end row.
constexpr int32_t kKeywordCount = 146;
/// Highest id any row carries.
constexpr int32_t kHighestKeywordId = 140;

/// The table in its fixed order: kKeywordCount rows, then the end row
/// (empty name, class TypeName, id kEndOfTableId).
const Keyword* KeywordTable();

/// First row whose name equals name exactly (case-sensitive; callers
/// upper-case first); nullptr when none does. The end row is never answered.
const Keyword* FindKeywordByName(const char* name);

/// First row with that id; nullptr when none has it. The end row is never answered.
const Keyword* FindKeywordById(int32_t id);

}  // namespace vorna
