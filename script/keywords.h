// The keyword table that every parser of the script language shares.
//
// Rows stand in a fixed order with fixed ids, both generated from the one
// keyword list (keyword_list.h): the statement and function tables are indexed
// by the ids, so KeywordId is the only way code should name a keyword. Six
// names stand twice (one id, two classes); a lookup by name always answers the
// first of the two rows.
#pragma once

#include <cstdint>

#include "script/keyword_list.h"

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

/// Keyword ids, one per distinct name, generated from the keyword list: the
/// first rows in list order from 0, then the end marker, then the late rows.
enum class KeywordId : int32_t {
#define VORNA_KEYWORD_ID(id, name, klass) id,
#define VORNA_KEYWORD_NONE(id, name, klass)
  VORNA_KEYWORDS(VORNA_KEYWORD_ID, VORNA_KEYWORD_NONE, VORNA_KEYWORD_NONE)  //
  EndOfTable,
  VORNA_KEYWORDS(VORNA_KEYWORD_NONE, VORNA_KEYWORD_NONE, VORNA_KEYWORD_ID)
#undef VORNA_KEYWORD_ID
#undef VORNA_KEYWORD_NONE
};

/// The id as a number: the index of the dispatch tables.
constexpr int32_t IndexOf(KeywordId id) {
  return static_cast<int32_t>(id);
}

#define VORNA_KEYWORD_ONE(id, name, klass) +1
#define VORNA_KEYWORD_NONE(id, name, klass)
/// Number of keyword rows, not counting the end row.
constexpr int32_t kKeywordCount =
    0 VORNA_KEYWORDS(VORNA_KEYWORD_ONE, VORNA_KEYWORD_ONE, VORNA_KEYWORD_ONE);
/// Number of ids, the end marker's included: every id is below it.
constexpr int32_t kKeywordIdCount =
    1 VORNA_KEYWORDS(VORNA_KEYWORD_ONE, VORNA_KEYWORD_NONE, VORNA_KEYWORD_ONE);
#undef VORNA_KEYWORD_ONE
#undef VORNA_KEYWORD_NONE

/// One row of the table: upper-case name, class and id.
struct Keyword {
  const char* name;
  KeywordClass klass;
  KeywordId id;
};

/// The table in its fixed order: kKeywordCount rows, then the end row
/// (empty name, class TypeName, id KeywordId::EndOfTable).
const Keyword* KeywordTable();

/// First row whose name equals name exactly (case-sensitive; callers
/// upper-case first); nullptr when none does. The end row is never answered.
const Keyword* FindKeywordByName(const char* name);

/// First row with that id; nullptr when none has it. The end row is never answered.
const Keyword* FindKeywordById(KeywordId id);

}  // namespace vorna
