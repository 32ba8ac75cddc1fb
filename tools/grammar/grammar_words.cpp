#include "tools/grammar/grammar_words.h"

#include <set>

#include "install/file_dialog_object.h"
#include "install/install_object.h"
#include "script/keywords.h"

namespace vorna::grammar {

namespace {

/// The group of each keyword class, in the order of KeywordClass.
WordGroup GroupOfClass(KeywordClass klass) {
  switch (klass) {
    case KeywordClass::Function:
      return {"builtin-functions", "support.function.builtin.vorna", {}, true};
    case KeywordClass::Statement:
      return {"statements", "keyword.control.vorna", {}, false};
    case KeywordClass::Clause:
      return {"clause-words", "keyword.other.clause.vorna", {}, false};
    case KeywordClass::Operator:
      return {"operator-words", "keyword.operator.word.vorna", {}, false};
    case KeywordClass::Constant:
      return {"constants", "constant.language.vorna", {}, false};
    case KeywordClass::TypeName:
      break;
  }
  return {"type-names", "storage.type.vorna", {}, false};
}

constexpr KeywordClass kClasses[] = {KeywordClass::Statement, KeywordClass::Function,
                                     KeywordClass::Clause,    KeywordClass::Operator,
                                     KeywordClass::Constant,  KeywordClass::TypeName};

/// One group per keyword class, each name under the class of its first row.
std::vector<WordGroup> KeywordGroups() {
  std::vector<WordGroup> groups;
  for (KeywordClass klass : kClasses) groups.push_back(GroupOfClass(klass));
  std::set<std::string> seen;
  for (int32_t i = 0; i < kKeywordCount; ++i) {
    const Keyword& row = KeywordTable()[i];
    if (!seen.insert(row.name).second) continue;
    for (size_t g = 0; g < groups.size(); ++g) {
      if (kClasses[g] == row.klass) groups[g].words.emplace_back(row.name);
    }
  }
  return groups;
}

std::vector<std::string> Strings(const std::vector<const char*>& words) {
  return std::vector<std::string>(words.begin(), words.end());
}

}  // namespace

std::vector<WordGroup> LanguageWordGroups() {
  InstallWordList install = InstallObjectWords();
  std::vector<const char*> calls = install.members;
  calls.insert(calls.end(), install.statements.begin(), install.statements.end());
  // The install object's words are asked before the keywords, so they come first.
  std::vector<WordGroup> groups = {
      {"install-fields", "support.variable.install.vorna", Strings(install.fields), false},
      {"install-members", "support.function.install.vorna", Strings(calls), false},
      {"object-types", "storage.type.object.vorna", {kFileDialogTypeWord}, false},
  };
  for (WordGroup& group : KeywordGroups()) groups.push_back(std::move(group));
  return groups;
}

}  // namespace vorna::grammar
