#include "script/keywords.h"

#include <cstring>

namespace vorna {

namespace {

constexpr Keyword kTable[kKeywordCount + 1] = {
    {"ABS", KeywordClass::Function, kw::Abs},
    {"ACCESS", KeywordClass::Clause, kw::Access},
    {"AND", KeywordClass::Operator, kw::And},
    {"ANY", KeywordClass::TypeName, kw::Any},
    {"APPEND", KeywordClass::Clause, kw::Append},
    {"AS", KeywordClass::Clause, kw::As},
    {"ASC", KeywordClass::Function, kw::Asc},
    {"ATN", KeywordClass::Function, kw::Atn},
    {"BASE", KeywordClass::Clause, kw::Base},
    {"BEEP", KeywordClass::Statement, kw::Beep},
    {"BINARY", KeywordClass::Clause, kw::Binary},
    {"BOOLEAN", KeywordClass::TypeName, kw::Boolean},
    {"BYTE", KeywordClass::TypeName, kw::Byte},
    {"BYREF", KeywordClass::Clause, kw::ByRef},
    {"BYVAL", KeywordClass::Clause, kw::ByVal},
    {"CALL", KeywordClass::Statement, kw::Call},
    {"CASE", KeywordClass::Statement, kw::Case},
    {"CDBL", KeywordClass::Function, kw::CDbl},
    {"CHARACTER", KeywordClass::TypeName, kw::Character},
    {"CHDIR", KeywordClass::Statement, kw::ChDir},
    {"CHR", KeywordClass::Function, kw::Chr},
    {"CINT", KeywordClass::Function, kw::CInt},
    {"CLNG", KeywordClass::Function, kw::CLng},
    {"CLOSE", KeywordClass::Statement, kw::Close},
    {"CLS", KeywordClass::Statement, kw::Cls},
    {"CONST", KeywordClass::Statement, kw::Const},
    {"COS", KeywordClass::Function, kw::Cos},
    {"CREATELINK", KeywordClass::Statement, kw::CreateLink},
    {"DATE", KeywordClass::Function, kw::Date},
    {"DIM", KeywordClass::Statement, kw::Dim},
    {"DO", KeywordClass::Statement, kw::Do},
    {"DOUBLE", KeywordClass::TypeName, kw::Double},
    {"ELSE", KeywordClass::Statement, kw::Else},
    {"ELSEIF", KeywordClass::Statement, kw::ElseIf},
    {"END", KeywordClass::Statement, kw::End},
    {"ENDIF", KeywordClass::Statement, kw::EndIf},
    {"ENVIRON", KeywordClass::Function, kw::Environ},
    {"EOF", KeywordClass::Function, kw::Eof},
    {"EQV", KeywordClass::Operator, kw::Eqv},
    {"ERASE", KeywordClass::Statement, kw::Erase},
    {"ERR", KeywordClass::Function, kw::Err},
    {"ERROR", KeywordClass::Clause, kw::Error},
    {"ERROR", KeywordClass::Function, kw::Error},
    {"EXIT", KeywordClass::Statement, kw::Exit},
    {"EXP", KeywordClass::Function, kw::Exp},
    {"FALSE", KeywordClass::Constant, kw::False},
    {"FILEATTR", KeywordClass::Function, kw::FileAttr},
    {"FIX", KeywordClass::Function, kw::Fix},
    {"FOR", KeywordClass::Statement, kw::For},
    {"FREEFILE", KeywordClass::Function, kw::FreeFile},
    {"FUNCTION", KeywordClass::Statement, kw::Function},
    {"GET", KeywordClass::Statement, kw::Get},
    {"GOSUB", KeywordClass::Statement, kw::GoSub},
    {"GOTO", KeywordClass::Statement, kw::GoTo},
    {"HEX", KeywordClass::Function, kw::Hex},
    {"IF", KeywordClass::Statement, kw::If},
    {"IMP", KeywordClass::Operator, kw::Imp},
    {"INPUT", KeywordClass::Statement, kw::Input},
    {"INPUT", KeywordClass::Function, kw::Input},
    {"INSTR", KeywordClass::Function, kw::InStr},
    {"INT", KeywordClass::Function, kw::Int},
    {"INTEGER", KeywordClass::TypeName, kw::Integer},
    {"IS", KeywordClass::Constant, kw::Is},
    {"KILL", KeywordClass::Statement, kw::Kill},
    {"LCASE", KeywordClass::Function, kw::LCase},
    {"LEFT", KeywordClass::Function, kw::Left},
    {"LEN", KeywordClass::Function, kw::Len},
    {"LET", KeywordClass::Statement, kw::Let},
    {"LOAD", KeywordClass::Statement, kw::Load},
    {"LOC", KeywordClass::Function, kw::Loc},
    {"LOCK", KeywordClass::Statement, kw::Lock},
    {"LOG", KeywordClass::Function, kw::Log},
    {"LONG", KeywordClass::TypeName, kw::Long},
    {"LOOP", KeywordClass::Statement, kw::Loop},
    {"LSET", KeywordClass::Statement, kw::LSet},
    {"LTRIM", KeywordClass::Function, kw::LTrim},
    {"MID", KeywordClass::Function, kw::Mid},
    {"MKDIR", KeywordClass::Statement, kw::MkDir},
    {"MOD", KeywordClass::Operator, kw::Mod},
    {"MSGBOX", KeywordClass::Function, kw::MsgBox},
    {"MSGBOX", KeywordClass::Statement, kw::MsgBox},
    {"NAME", KeywordClass::Statement, kw::Name},
    {"NEXT", KeywordClass::Statement, kw::Next},
    {"NOT", KeywordClass::Operator, kw::Not},
    {"OCT", KeywordClass::Function, kw::Oct},
    {"ON", KeywordClass::Statement, kw::On},
    {"ON", KeywordClass::Clause, kw::On},
    {"OPEN", KeywordClass::Statement, kw::Open},
    {"OPTION", KeywordClass::Statement, kw::Option},
    {"OR", KeywordClass::Operator, kw::Or},
    {"OUTPUT", KeywordClass::Clause, kw::Output},
    {"PRINT", KeywordClass::Statement, kw::Print},
    {"PUT", KeywordClass::Statement, kw::Put},
    {"RANDOM", KeywordClass::Clause, kw::Random},
    {"RANDOMIZE", KeywordClass::Statement, kw::Randomize},
    {"READ", KeywordClass::Clause, kw::Read},
    {"REAL", KeywordClass::TypeName, kw::Real},
    {"REDIM", KeywordClass::Statement, kw::ReDim},
    {"REGISTRY", KeywordClass::Function, kw::Registry},
    {"REM", KeywordClass::Statement, kw::Rem},
    {"RESET", KeywordClass::Statement, kw::Reset},
    {"RESUME", KeywordClass::Clause, kw::Resume},
    {"RESUME", KeywordClass::Statement, kw::Resume},
    {"RETURN", KeywordClass::Statement, kw::Return},
    {"RIGHT", KeywordClass::Function, kw::Right},
    {"RMDIR", KeywordClass::Statement, kw::RmDir},
    {"RND", KeywordClass::Function, kw::Rnd},
    {"RSET", KeywordClass::Statement, kw::RSet},
    {"RTRIM", KeywordClass::Function, kw::RTrim},
    {"RUN", KeywordClass::Statement, kw::Run},
    {"SEEK", KeywordClass::Statement, kw::Seek},
    {"SELECT", KeywordClass::Statement, kw::Select},
    {"SETREGISTRY", KeywordClass::Statement, kw::SetRegistry},
    {"SGN", KeywordClass::Function, kw::Sgn},
    {"SHARED", KeywordClass::Statement, kw::Shared},
    {"SHELL", KeywordClass::Function, kw::Shell},
    {"SIN", KeywordClass::Function, kw::Sin},
    {"SLEEP", KeywordClass::Statement, kw::Sleep},
    {"SPACE", KeywordClass::Function, kw::Space},
    {"SPC", KeywordClass::Function, kw::Spc},
    {"SQR", KeywordClass::Function, kw::Sqr},
    {"STATIC", KeywordClass::Statement, kw::Static},
    {"STEP", KeywordClass::Clause, kw::Step},
    {"STOP", KeywordClass::Statement, kw::Stop},
    {"CSTR", KeywordClass::Function, kw::CStr},
    {"STRIG", KeywordClass::Function, kw::Strig},
    {"STRING", KeywordClass::TypeName, kw::String},
    {"STRING", KeywordClass::Function, kw::String},
    {"SUB", KeywordClass::Statement, kw::Sub},
    {"SYSTEM", KeywordClass::Statement, kw::System},
    {"TAB", KeywordClass::Function, kw::Tab},
    {"TAN", KeywordClass::Function, kw::Tan},
    {"THEN", KeywordClass::Clause, kw::Then},
    {"TIME", KeywordClass::Function, kw::Time},
    {"TO", KeywordClass::Clause, kw::To},
    {"TRUE", KeywordClass::Constant, kw::True},
    {"TYPE", KeywordClass::Statement, kw::Type},
    {"UCASE", KeywordClass::Function, kw::UCase},
    {"UNLOCK", KeywordClass::Statement, kw::Unlock},
    {"UNTIL", KeywordClass::Clause, kw::Until},
    {"VAL", KeywordClass::Function, kw::Val},
    {"WEND", KeywordClass::Statement, kw::Wend},
    {"WHILE", KeywordClass::Statement, kw::While},
    {"WIDTH", KeywordClass::Statement, kw::Width},
    {"WRITE", KeywordClass::Statement, kw::Write},
    {"XOR", KeywordClass::Operator, kw::Xor},
    {"", KeywordClass::TypeName, kEndOfTableId},
};

// Lines are parsed afresh every time they run, so a name lookup happens for
// nearly every word executed. Instead of walking all 146 rows, the rows are
// grouped by their first letter (in table order within a group, which keeps
// "first row wins" for the doubled names) and compared by length first.
constexpr int kLetters = 26;

struct NameIndex {
  int16_t groupStart[kLetters + 1] = {};  // rows of letter L: rows[groupStart[L]..groupStart[L+1])
  int16_t rows[kKeywordCount] = {};
  uint8_t length[kKeywordCount] = {};
};

constexpr int LengthOf(const char* text) {
  int length = 0;
  while (text[length]) ++length;
  return length;
}

constexpr NameIndex BuildNameIndex() {
  NameIndex index;
  int next = 0;
  for (int letter = 0; letter < kLetters; ++letter) {
    index.groupStart[letter] = static_cast<int16_t>(next);
    for (int row = 0; row < kKeywordCount; ++row) {
      if (kTable[row].name[0] == 'A' + letter) index.rows[next++] = static_cast<int16_t>(row);
    }
  }
  index.groupStart[kLetters] = static_cast<int16_t>(next);
  for (int row = 0; row < kKeywordCount; ++row) {
    index.length[row] = static_cast<uint8_t>(LengthOf(kTable[row].name));
  }
  return index;
}

constexpr NameIndex kNameIndex = BuildNameIndex();
static_assert(kNameIndex.groupStart[kLetters] == kKeywordCount,
              "every keyword must start with an upper-case letter");

struct IdIndex {
  int16_t row[kHighestKeywordId + 1] = {};
};

constexpr IdIndex BuildIdIndex() {
  IdIndex index;
  for (int id = 0; id <= kHighestKeywordId; ++id) index.row[id] = -1;
  for (int row = kKeywordCount - 1; row >= 0; --row) {
    index.row[kTable[row].id] = static_cast<int16_t>(row);
  }
  return index;
}

constexpr IdIndex kIdIndex = BuildIdIndex();

}  // namespace

const Keyword* KeywordTable() {
  return kTable;
}

const Keyword* FindKeywordByName(const char* name) {
  unsigned letter = static_cast<unsigned char>(name[0]) - 'A';
  if (letter >= kLetters) return nullptr;
  size_t length = std::strlen(name);
  for (int slot = kNameIndex.groupStart[letter]; slot < kNameIndex.groupStart[letter + 1]; ++slot) {
    int row = kNameIndex.rows[slot];
    if (kNameIndex.length[row] == length && std::memcmp(kTable[row].name, name, length) == 0) {
      return &kTable[row];
    }
  }
  return nullptr;
}

const Keyword* FindKeywordById(int32_t id) {
  if (id < 0 || id > kHighestKeywordId) return nullptr;
  int row = kIdIndex.row[id];
  return row < 0 ? nullptr : &kTable[row];
}

}  // namespace vorna
