// The member-word matching that extensions and script objects share: each
// member operation tries its own member names in turn at the cursor.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vorna {

class StatementCursor;

/// Tries words in order at the cursor, each as a whole word in any case (the
/// next character is no letter or digit); the first that matches is consumed
/// and its index answered. -1 when none matches (only blanks are skipped).
int32_t MatchMemberWord(StatementCursor& cursor, const char* const* words, size_t count);

/// MatchMemberWord over a fixed table of member names.
template <size_t N>
int32_t MatchMemberWord(StatementCursor& cursor, const char* const (&words)[N]) {
  return MatchMemberWord(cursor, words, N);
}

}  // namespace vorna
