// The TextMate grammar of the script language, as the JSON text that editors
// load (VS Code's syntaxes/vorna.tmLanguage.json).
#pragma once

#include <string>
#include <vector>

#include "tools/grammar/grammar_words.h"

namespace vorna::grammar {

/// The scope name of the language's grammar.
constexpr const char* kScopeName = "source.vorna";

/// The grammar that colours the groups' words, comments, strings, numbers,
/// labels, procedure headers, jump targets, members and operators.
std::string GrammarJson(const std::vector<WordGroup>& groups);

}  // namespace vorna::grammar
