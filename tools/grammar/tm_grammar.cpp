#include "tools/grammar/tm_grammar.h"

#include <utility>

#include "script/keywords.h"

namespace vorna::grammar {

namespace {

using Members = std::vector<std::pair<std::string, std::string>>;

/// A JSON string literal.
std::string Str(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

/// A JSON object of members whose values are JSON texts already.
std::string Obj(const Members& members) {
  std::string text = "{";
  for (size_t i = 0; i < members.size(); ++i) {
    text += (i ? ",\n" : "\n") + Str(members[i].first) + ": " + members[i].second;
  }
  return text + "\n}";
}

std::string Arr(const std::vector<std::string>& items) {
  std::string text = "[";
  for (size_t i = 0; i < items.size(); ++i) text += (i ? ", " : "") + items[i];
  return text + "]";
}

std::string Include(const std::string& key) {
  return Obj({{"include", Str("#" + key)}});
}

std::string Named(const std::string& scope) {
  return Obj({{"name", Str(scope)}});
}

std::string KeywordName(KeywordId id) {
  return FindKeywordById(id)->name;
}

// Words are matched in any case, whole, and never as a member after ".";
// the runtime reads a name as letters, digits and "_".
std::string WordsPattern(const WordGroup& group) {
  std::string alternatives;
  for (const std::string& word : group.words) {
    alternatives += (alternatives.empty() ? "" : "|") + word;
  }
  return "(?i)(?<![\\w$.])(?:" + alternatives + ")" + (group.dollarSuffix ? "\\$?" : "") +
         "(?![\\w$])";
}

std::string WordRule(const WordGroup& group) {
  return Obj({{"match", Str(WordsPattern(group))}, {"name", Str(group.scope)}});
}

// An apostrophe starts a comment only before the line's first ":" outside
// strings; after it, the apostrophe is no comment (and the line fails).
std::string ApostropheCommentRule() {
  return Obj({{"match", Str("^((?:[^\"':]|\"[^\"]*\")*)('.*)$")},
              {"captures", Obj({{"1", Obj({{"patterns", Arr({Include("statement-parts")})}})},
                                {"2", Named("comment.line.apostrophe.vorna")}})}});
}

// A label starts in the first column, letters and digits only, then ":".
std::string LabelRule() {
  return Obj({{"match", Str("^([A-Za-z0-9]+)(:)")},
              {"captures", Obj({{"1", Named("entity.name.label.vorna")},
                                {"2", Named("punctuation.separator.label.vorna")}})}});
}

// REM is a statement: the rest of the line, ":" included, is its comment.
std::string RemCommentRule() {
  return Obj({{"match", Str("(?i)(?<![\\w$.])" + KeywordName(KeywordId::Rem) + "(?![\\w$]).*$")},
              {"name", Str("comment.line.rem.vorna")}});
}

// Two quotes in a row stand for one; a string ends at the line's end at the latest.
std::string StringRule() {
  return Obj({{"begin", Str("\"")},
              {"end", Str("\"(?!\")|$")},
              {"name", Str("string.quoted.double.vorna")},
              {"beginCaptures", Obj({{"0", Named("punctuation.definition.string.begin.vorna")}})},
              {"endCaptures", Obj({{"0", Named("punctuation.definition.string.end.vorna")}})},
              {"patterns", Arr({Obj({{"match", Str("\"\"")},
                                     {"name", Str("constant.character.escape.quote.vorna")}})})}});
}

std::string ProcedureHeaderRule() {
  std::string words = KeywordName(KeywordId::Sub) + "|" + KeywordName(KeywordId::Function);
  return Obj({{"match", Str("(?i)^\\s*(" + words + ")\\s+([A-Za-z_]\\w*)")},
              {"captures", Obj({{"1", Named("keyword.control.vorna")},
                                {"2", Named("entity.name.function.vorna")}})}});
}

std::string JumpTargetRule() {
  std::string words = KeywordName(KeywordId::GoTo) + "|" + KeywordName(KeywordId::GoSub);
  return Obj({{"match", Str("(?i)(?<![\\w$.])(" + words + ")\\s+([A-Za-z0-9_]+)")},
              {"captures", Obj({{"1", Named("keyword.control.vorna")},
                                {"2", Named("entity.name.label.vorna")}})}});
}

std::string MemberRule() {
  return Obj({{"match", Str("(\\.)\\s*([A-Za-z_]\\w*)")},
              {"captures", Obj({{"1", Named("punctuation.accessor.vorna")},
                                {"2", Named("variable.other.member.vorna")}})}});
}

// Decimal numbers with an optional fraction and exponent; no suffixes, no hex.
std::string NumberRule() {
  return Obj({{"match", Str("(?<![\\w.])(?:[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+)(?:[Ee][+-]?[0-9]+)?")},
              {"name", Str("constant.numeric.vorna")}});
}

std::string MatchRule(const std::string& pattern, const std::string& scope) {
  return Obj({{"match", Str(pattern)}, {"name", Str(scope)}});
}

Members Repository(const std::vector<WordGroup>& groups) {
  std::vector<std::string> parts = {Include("rem-comment"),      Include("string"),
                                    Include("procedure-header"), Include("jump-target"),
                                    Include("member"),           Include("number")};
  Members repository = {{"apostrophe-comment", ApostropheCommentRule()},
                        {"label", LabelRule()},
                        {"rem-comment", RemCommentRule()},
                        {"string", StringRule()},
                        {"procedure-header", ProcedureHeaderRule()},
                        {"jump-target", JumpTargetRule()},
                        {"member", MemberRule()},
                        {"number", NumberRule()}};
  for (const WordGroup& group : groups) {
    parts.push_back(Include(group.key));
    repository.emplace_back(group.key, WordRule(group));
  }
  parts.push_back(Include("name"));
  parts.push_back(Include("operators"));
  parts.push_back(Include("punctuation"));
  repository.emplace_back("name", MatchRule("[A-Za-z_]\\w*", "variable.other.vorna"));
  repository.emplace_back("operators", MatchRule("<>|<=|>=|[-+*/^&=<>]", "keyword.operator.vorna"));
  repository.emplace_back(
      "punctuation",
      Obj({{"patterns", Arr({MatchRule(":", "punctuation.separator.statement.vorna"),
                             MatchRule("[,;]", "punctuation.separator.vorna"),
                             MatchRule("#", "punctuation.definition.file-number.vorna"),
                             MatchRule("[()]", "meta.brace.round.vorna")})}}));
  repository.emplace_back("statement-parts", Obj({{"patterns", Arr(parts)}}));
  return repository;
}

}  // namespace

std::string GrammarJson(const std::vector<WordGroup>& groups) {
  return Obj({{"name", Str("Vorna script")},
              {"scopeName", Str(kScopeName)},
              {"fileTypes", Arr({Str("bas")})},
              {"patterns",
               Arr({Include("apostrophe-comment"), Include("label"), Include("statement-parts")})},
              {"repository", Obj(Repository(groups))}}) +
         "\n";
}

}  // namespace vorna::grammar
