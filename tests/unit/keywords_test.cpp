#include "script/keywords.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace vorna {
namespace {

struct Row {
  const char* name;
  int klass;
  int id;
};

// The table as scripts know it, written out independently of the source.
constexpr Row kExpected[] = {
    {"ABS", 0, 0},           {"ACCESS", 2, 1},    {"AND", 3, 2},        {"ANY", 5, 3},
    {"APPEND", 2, 4},        {"AS", 2, 5},        {"ASC", 0, 6},        {"ATN", 0, 7},
    {"BASE", 2, 8},          {"BEEP", 1, 9},      {"BINARY", 2, 10},    {"BOOLEAN", 5, 11},
    {"BYTE", 5, 12},         {"BYREF", 2, 13},    {"BYVAL", 2, 14},     {"CALL", 1, 15},
    {"CASE", 1, 16},         {"CDBL", 0, 17},     {"CHARACTER", 5, 18}, {"CHDIR", 1, 19},
    {"CHR", 0, 20},          {"CINT", 0, 21},     {"CLNG", 0, 22},      {"CLOSE", 1, 23},
    {"CLS", 1, 24},          {"CONST", 1, 25},    {"COS", 0, 26},       {"CREATELINK", 1, 138},
    {"DATE", 0, 27},         {"DIM", 1, 28},      {"DO", 1, 29},        {"DOUBLE", 5, 30},
    {"ELSE", 1, 31},         {"ELSEIF", 1, 32},   {"END", 1, 33},       {"ENDIF", 1, 34},
    {"ENVIRON", 0, 35},      {"EOF", 0, 36},      {"EQV", 3, 37},       {"ERASE", 1, 38},
    {"ERR", 0, 39},          {"ERROR", 2, 40},    {"ERROR", 0, 40},     {"EXIT", 1, 41},
    {"EXP", 0, 42},          {"FALSE", 4, 43},    {"FILEATTR", 0, 44},  {"FIX", 0, 45},
    {"FOR", 1, 46},          {"FREEFILE", 0, 47}, {"FUNCTION", 1, 48},  {"GET", 1, 49},
    {"GOSUB", 1, 50},        {"GOTO", 1, 51},     {"HEX", 0, 52},       {"IF", 1, 53},
    {"IMP", 3, 54},          {"INPUT", 1, 55},    {"INPUT", 0, 55},     {"INSTR", 0, 56},
    {"INT", 0, 57},          {"INTEGER", 5, 58},  {"IS", 4, 59},        {"KILL", 1, 60},
    {"LCASE", 0, 61},        {"LEFT", 0, 62},     {"LEN", 0, 63},       {"LET", 1, 64},
    {"LOAD", 1, 65},         {"LOC", 0, 66},      {"LOCK", 1, 67},      {"LOG", 0, 68},
    {"LONG", 5, 69},         {"LOOP", 1, 70},     {"LSET", 1, 71},      {"LTRIM", 0, 72},
    {"MID", 0, 73},          {"MKDIR", 1, 74},    {"MOD", 3, 75},       {"MSGBOX", 0, 76},
    {"MSGBOX", 1, 76},       {"NAME", 1, 77},     {"NEXT", 1, 78},      {"NOT", 3, 79},
    {"OCT", 0, 80},          {"ON", 1, 81},       {"ON", 2, 81},        {"OPEN", 1, 82},
    {"OPTION", 1, 83},       {"OR", 3, 84},       {"OUTPUT", 2, 85},    {"PRINT", 1, 86},
    {"PUT", 1, 87},          {"RANDOM", 2, 88},   {"RANDOMIZE", 1, 89}, {"READ", 2, 90},
    {"REAL", 5, 91},         {"REDIM", 1, 92},    {"REGISTRY", 0, 139}, {"REM", 1, 93},
    {"RESET", 1, 94},        {"RESUME", 2, 95},   {"RESUME", 1, 95},    {"RETURN", 1, 96},
    {"RIGHT", 0, 97},        {"RMDIR", 1, 98},    {"RND", 0, 99},       {"RSET", 1, 100},
    {"RTRIM", 0, 101},       {"RUN", 1, 102},     {"SEEK", 1, 103},     {"SELECT", 1, 104},
    {"SETREGISTRY", 1, 140}, {"SGN", 0, 105},     {"SHARED", 1, 106},   {"SHELL", 0, 107},
    {"SIN", 0, 108},         {"SLEEP", 1, 109},   {"SPACE", 0, 110},    {"SPC", 0, 111},
    {"SQR", 0, 112},         {"STATIC", 1, 113},  {"STEP", 2, 114},     {"STOP", 1, 115},
    {"CSTR", 0, 116},        {"STRIG", 0, 117},   {"STRING", 5, 118},   {"STRING", 0, 118},
    {"SUB", 1, 119},         {"SYSTEM", 1, 120},  {"TAB", 0, 121},      {"TAN", 0, 122},
    {"THEN", 2, 123},        {"TIME", 0, 124},    {"TO", 2, 125},       {"TRUE", 4, 126},
    {"TYPE", 1, 127},        {"UCASE", 0, 128},   {"UNLOCK", 1, 129},   {"UNTIL", 2, 130},
    {"VAL", 0, 131},         {"WEND", 1, 132},    {"WHILE", 1, 133},    {"WIDTH", 1, 134},
    {"WRITE", 1, 135},       {"XOR", 3, 136},
};

TEST(KeywordTable, EveryRowMatchesInOrder) {
  static_assert(sizeof(kExpected) / sizeof(kExpected[0]) == kKeywordCount);
  const Keyword* table = KeywordTable();
  for (int row = 0; row < kKeywordCount; ++row) {
    SCOPED_TRACE(row);
    EXPECT_STREQ(table[row].name, kExpected[row].name);
    EXPECT_EQ(static_cast<int>(table[row].klass), kExpected[row].klass);
    EXPECT_EQ(table[row].id, kExpected[row].id);
  }
  const Keyword& end = table[kKeywordCount];
  EXPECT_STREQ(end.name, "");
  EXPECT_EQ(end.klass, KeywordClass::TypeName);
  EXPECT_EQ(end.id, 137);
}

TEST(KeywordTable, NameLookupFindsEveryNameAtItsFirstRow) {
  for (int row = 0; row < kKeywordCount; ++row) {
    const Keyword* found = FindKeywordByName(kExpected[row].name);
    ASSERT_NE(found, nullptr) << kExpected[row].name;
    int first = row;
    while (first > 0 && std::strcmp(kExpected[first - 1].name, kExpected[row].name) == 0) --first;
    EXPECT_EQ(found, KeywordTable() + first) << kExpected[row].name;
  }
}

TEST(KeywordTable, DoubledNamesAnswerTheirFirstRow) {
  struct Doubled {
    const char* name;
    KeywordClass first;
    int32_t id;
  };
  const Doubled doubled[] = {
      {"ERROR", KeywordClass::Clause, kw::Error},
      {"INPUT", KeywordClass::Statement, kw::Input},
      {"MSGBOX", KeywordClass::Function, kw::MsgBox},
      {"ON", KeywordClass::Statement, kw::On},
      {"RESUME", KeywordClass::Clause, kw::Resume},
      {"STRING", KeywordClass::TypeName, kw::String},
  };
  for (const Doubled& d : doubled) {
    const Keyword* byName = FindKeywordByName(d.name);
    ASSERT_NE(byName, nullptr) << d.name;
    EXPECT_EQ(byName->klass, d.first) << d.name;
    EXPECT_EQ(byName->id, d.id) << d.name;
    EXPECT_EQ(FindKeywordById(d.id), byName) << d.name;
    // The second row follows directly, with the other class.
    EXPECT_STREQ(byName[1].name, d.name);
    EXPECT_NE(byName[1].klass, d.first);
  }
}

TEST(KeywordTable, NameLookupIsExactAndCaseSensitive) {
  EXPECT_EQ(FindKeywordByName("print"), nullptr);
  EXPECT_EQ(FindKeywordByName("Print"), nullptr);
  EXPECT_EQ(FindKeywordByName("PRIN"), nullptr);
  EXPECT_EQ(FindKeywordByName("PRINTX"), nullptr);
  EXPECT_EQ(FindKeywordByName("_PRINT"), nullptr);
  EXPECT_EQ(FindKeywordByName("\xC9"), nullptr);
  // The end row closes the table; it is not a keyword.
  EXPECT_EQ(FindKeywordByName(""), nullptr);
  ASSERT_NE(FindKeywordByName("CSTR"), nullptr);
  EXPECT_EQ(FindKeywordByName("CSTR")->id, 116);
}

TEST(KeywordTable, IdLookupCoversEveryIdOnce) {
  std::set<int32_t> ids;
  for (const Row& row : kExpected) ids.insert(row.id);
  for (int32_t id = -2; id <= 145; ++id) {
    const Keyword* found = FindKeywordById(id);
    if (ids.count(id)) {
      ASSERT_NE(found, nullptr) << id;
      EXPECT_EQ(found->id, id);
    } else {
      EXPECT_EQ(found, nullptr) << id;
    }
  }
  EXPECT_EQ(FindKeywordById(kEndOfTableId), nullptr);
  EXPECT_STREQ(FindKeywordById(kw::CreateLink)->name, "CREATELINK");
  EXPECT_STREQ(FindKeywordById(kw::Registry)->name, "REGISTRY");
  EXPECT_STREQ(FindKeywordById(kw::SetRegistry)->name, "SETREGISTRY");
  EXPECT_STREQ(FindKeywordById(kw::Xor)->name, "XOR");
  EXPECT_STREQ(FindKeywordById(kw::Abs)->name, "ABS");
}

TEST(KeywordTable, NamedIdsMatchTheirNames) {
  const struct {
    int32_t id;
    const char* name;
  } named[] = {{kw::Byte, "BYTE"},   {kw::ByRef, "BYREF"},       {kw::CStr, "CSTR"},
               {kw::Strig, "STRIG"}, {kw::ElseIf, "ELSEIF"},     {kw::EndIf, "ENDIF"},
               {kw::GoSub, "GOSUB"}, {kw::FreeFile, "FREEFILE"}, {kw::Is, "IS"},
               {kw::True, "TRUE"},   {kw::False, "FALSE"},       {kw::Wend, "WEND"}};
  for (const auto& n : named) EXPECT_STREQ(FindKeywordById(n.id)->name, n.name);
}

}  // namespace
}  // namespace vorna
