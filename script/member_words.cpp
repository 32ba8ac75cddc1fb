#include "script/member_words.h"

#include "script/statement_cursor.h"

namespace vorna {

int32_t MatchMemberWord(StatementCursor& cursor, const char* const* words, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    if (cursor.MatchWord(words[i], Prefix::NotAllowed)) return static_cast<int32_t>(i);
  }
  return -1;
}

}  // namespace vorna
