#include "script/keywords.h"

#include <cstring>

namespace vorna {

namespace {

#define VORNA_KEYWORD_ROW(id, name, klass) {name, KeywordClass::klass, KeywordId::id},
constexpr Keyword kTable[kKeywordCount + 1] = {
    VORNA_KEYWORDS(VORNA_KEYWORD_ROW, VORNA_KEYWORD_ROW, VORNA_KEYWORD_ROW)  //
    {"", KeywordClass::TypeName, KeywordId::EndOfTable},
};
#undef VORNA_KEYWORD_ROW

// The shape scripts and the dispatch tables rely on.
static_assert(kKeywordCount == 146, "the table has 146 rows");
static_assert(KeywordId::EndOfTable == KeywordId{137}, "the end marker's id is 137");
static_assert(kKeywordIdCount == 141, "ids run from 0 to 140");

constexpr bool SameText(const char* a, const char* b) {
  while (*a != '\0' && *a == *b) ++a, ++b;
  return *a == *b;
}

// A doubled name must repeat the text of its id's first row, and no two first
// rows may share a text: otherwise a lookup by name and one by id disagree.
constexpr bool EveryIdHasOneText() {
  for (int row = 0; row < kKeywordCount; ++row) {
    for (int other = 0; other < row; ++other) {
      bool sameId = kTable[row].id == kTable[other].id;
      if (sameId != SameText(kTable[row].name, kTable[other].name)) return false;
    }
  }
  return true;
}
static_assert(EveryIdHasOneText(), "each keyword id has exactly one text");

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
  int16_t row[kKeywordIdCount] = {};
};

constexpr IdIndex BuildIdIndex() {
  IdIndex index;
  for (int id = 0; id < kKeywordIdCount; ++id) index.row[id] = -1;
  for (int row = kKeywordCount - 1; row >= 0; --row) {
    index.row[IndexOf(kTable[row].id)] = static_cast<int16_t>(row);
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

const Keyword* FindKeywordById(KeywordId id) {
  int32_t index = IndexOf(id);
  if (index < 0 || index >= kKeywordIdCount) return nullptr;
  int row = kIdIndex.row[index];
  return row < 0 ? nullptr : &kTable[row];
}

}  // namespace vorna
