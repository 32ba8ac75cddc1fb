// vorna-grammar: prints the editors' TextMate grammar of the script language.
//
//   vorna-grammar            the grammar JSON (syntaxes/vorna.tmLanguage.json)
//   vorna-grammar --words    one "WORD SCOPE" line per coloured word, for tests
//   vorna-grammar --version  the version of the tools
#include <cstdio>
#include <cstring>

#include "tools/grammar/grammar_words.h"
#include "tools/grammar/tm_grammar.h"
#include "vorna_version.h"

namespace {

void PrintWords(const std::vector<vorna::grammar::WordGroup>& groups) {
  for (const vorna::grammar::WordGroup& group : groups) {
    for (const std::string& word : group.words) {
      std::printf("%s %s\n", word.c_str(), group.scope.c_str());
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<vorna::grammar::WordGroup> groups = vorna::grammar::LanguageWordGroups();
  if (argc == 2 && std::strcmp(argv[1], "--words") == 0) {
    PrintWords(groups);
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("vorna-grammar %s\n", VORNA_VERSION);
    return 0;
  }
  if (argc != 1) {
    std::fprintf(stderr,
                 "vorna-grammar: unknown option %s\nusage: vorna-grammar [--words | --version]\n",
                 argv[1]);
    return 2;
  }
  std::fputs(vorna::grammar::GrammarJson(groups).c_str(), stdout);
  return 0;
}
