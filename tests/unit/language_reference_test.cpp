// docs/language.md has an entry for every word a script can write: each
// keyword of the table, each word of the install object and of STDFILE, each
// special folder name, and a row for each error number (1 to 53, each with a
// message). The lists come from the code, so a new word without an entry
// fails here.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "install/file_dialog_object.h"
#include "install/install_object.h"
#include "install/shell_folder_lookup.h"
#include "script/keywords.h"
#include "values/errors.h"

namespace vorna {
namespace {

std::string ReadReference() {
  std::ifstream file(VORNA_SOURCE_DIR "/docs/language.md");
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// The backquoted words of the headings: an entry is a heading that names its
// words, like "### `END`, `END IF`".
std::set<std::string> EntryWords(const std::string& reference) {
  std::set<std::string> words;
  std::istringstream lines(reference);
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] != '#') continue;
    for (size_t open = line.find('`'); open != std::string::npos;) {
      size_t close = line.find('`', open + 1);
      if (close == std::string::npos) break;
      words.insert(line.substr(open + 1, close - open - 1));
      open = line.find('`', close + 1);
    }
  }
  return words;
}

class LanguageReference : public ::testing::Test {
 protected:
  void ExpectEntries(const std::vector<std::string>& words, const char* kind) {
    for (const std::string& word : words) {
      EXPECT_EQ(entries_.count(word), 1u) << kind << " " << word << " has no entry";
    }
  }

  std::string reference_ = ReadReference();
  std::set<std::string> entries_ = EntryWords(reference_);
};

TEST_F(LanguageReference, EveryKeywordHasAnEntry) {
  std::vector<std::string> names;
  for (int32_t i = 0; i < kKeywordCount; ++i) names.emplace_back(KeywordTable()[i].name);
  ASSERT_GT(entries_.size(), names.size() / 2) << "docs/language.md is missing or has no entries";
  ExpectEntries(names, "keyword");
}

TEST_F(LanguageReference, EveryObjectWordAndFolderNameHasAnEntry) {
  InstallWordList install = InstallObjectWords();
  for (const auto* group : {&install.fields, &install.members, &install.statements}) {
    ExpectEntries(std::vector<std::string>(group->begin(), group->end()), "install word");
  }
  std::vector<const char*> members = FileDialogMemberWords();
  ExpectEntries(std::vector<std::string>(members.begin(), members.end()), "STDFILE member");
  ExpectEntries({kFileDialogTypeWord}, "type word");
  ExpectEntries(SpecialFolderNames(), "special folder");
}

TEST_F(LanguageReference, EveryErrorNumberHasItsMessage) {
  for (int32_t code = 0; code < 100; ++code) {
    const char* message = MessageOf(code);
    // The numbers 1 to 53 have a message, and no other.
    EXPECT_EQ(message != nullptr && message[0] != '\0', code >= 1 && code <= 53) << code;
    if (message == nullptr) continue;
    std::string row = "| " + std::to_string(code) + " | " + message + " |";
    EXPECT_NE(reference_.find(row), std::string::npos) << "no row " << row;
  }
}

}  // namespace
}  // namespace vorna
