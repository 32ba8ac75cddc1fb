// The words the editor grammar colours, taken from the language's own tables:
// the keyword table and the words of the install object and of STDFILE.
#pragma once

#include <string>
#include <vector>

namespace vorna::grammar {

/// Words that share one TextMate scope.
struct WordGroup {
  std::string key;    // repository key of the group's rule
  std::string scope;  // the scope its words get
  std::vector<std::string> words;
  bool dollarSuffix = false;  // a "$" may follow the word (function names)
};

/// Every group, in the order the grammar tries them. A keyword that stands
/// twice in the table is placed by its first row, as the runtime reads it.
std::vector<WordGroup> LanguageWordGroups();

}  // namespace vorna::grammar
