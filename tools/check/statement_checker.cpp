// The statement loop of a line and the dispatch of each statement by its
// first word, as the runtime's line dispatcher does it: a statement keyword,
// an assignment, a statement of the install object, an object member or a
// call of a procedure.
#include "tools/check/statement_checker.h"

#include "install/file_dialog_object.h"
#include "install/install_object.h"
#include "script/line_text.h"
#include "script/member_words.h"
#include "script/program.h"
#include "tools/check/suggestions.h"
#include "values/char_class.h"
#include "values/errors.h"

namespace vorna::check {

namespace {

// Words whose statement leaves its line: what follows a ":" never runs.
bool EndsItsLine(KeywordId id) {
  switch (id) {
    case KeywordId::GoTo:
    case KeywordId::GoSub:
    case KeywordId::On:
    case KeywordId::End:
    case KeywordId::Exit:
    case KeywordId::Run:
    case KeywordId::Return:
      return true;
    default:
      return false;
  }
}

const char* ClassNoun(KeywordClass klass) {
  switch (klass) {
    case KeywordClass::Function:
      return "a function";
    case KeywordClass::Clause:
      return "a clause word";
    case KeywordClass::Operator:
      return "an operator";
    case KeywordClass::Constant:
      return "a constant";
    default:
      return "a type name";
  }
}

}  // namespace

StatementChecker::StatementChecker(CheckRun& run, Region& region, const ProgramLine& line,
                                   const std::string& text, size_t base, Nesting nesting)
    : run_(run), region_(region), line_(line), base_(base), nesting_(nesting) {
  cursor_.SetStatement(text.c_str());
}

void StatementChecker::Report(Severity severity, size_t position, const std::string& message) {
  int column = line_.column() + static_cast<int>(base_ + position) + 1;
  run_.Report(region_.source.file, line_.lineNumber() + 1, column, severity, message);
}

void StatementChecker::Fail(size_t position, const std::string& message) {
  Report(Severity::Error, position, message);
  throw Abandon{};
}

// The errors the cursor's own primitives raise, said for an author.
void StatementChecker::ReportScriptError(errorNumbers number, size_t position) {
  switch (number) {
    case errorNumbers::UnterminatedString:
      Report(Severity::Error, position, "unterminated string: the closing quote is missing");
      return;
    case errorNumbers::VariableNameTooLong:
      Report(Severity::Error, position, "name longer than 32 characters");
      return;
    default:
      Report(Severity::Error, position,
             std::string("the statement fails here: ") + MessageOf(static_cast<int32_t>(number)) +
                 " Error");
  }
}

void StatementChecker::CheckLine() {
  CheckStatementsFrom(0);
}

// statements -> statement { ":" statement }
void StatementChecker::CheckStatementsFrom(size_t position) {
  cursor_.Restore(position);
  for (;;) {
    while (cursor_.MatchChar(':')) {
    }
    cursor_.SkipBlanks();
    if (cursor_.current() == '\0') return;
    size_t start = cursor_.Save();
    try {
      CheckOneStatement();
      if (cursor_.current() == '\0' || !cursor_.hasStatement()) return;
    } catch (Abandon) {
      SkipToNextStatement();
    } catch (errorNumbers number) {
      ReportScriptError(number, start);
      SkipToNextStatement();
    }
  }
}

// Past the next ":" outside literals, or to the end of the text.
void StatementChecker::SkipToNextStatement() {
  bool inLiteral = false;
  for (const char* at = cursor_.rest(); *at != '\0'; ++at) {
    if (*at == '"') inLiteral = !inLiteral;
    if (*at == ':' && !inLiteral) {
      cursor_.Restore(cursor_.Save() + static_cast<size_t>(at - cursor_.rest()));
      return;
    }
  }
  cursor_.Restore(cursor_.text().size());
}

std::string StatementChecker::QuotedRest() const {
  std::string rest = cursor_.rest();
  rest.erase(rest.find_last_not_of(" \t") + 1);
  return rest;
}

bool StatementChecker::IsAtStatementEnd() {
  cursor_.SkipBlanks();
  return cursor_.current() == '\0' || cursor_.current() == ':';
}

// statement -> keyword-statement | assignment | member-statement | call
void StatementChecker::CheckOneStatement() {
  size_t start = cursor_.Save();
  if (cursor_.current() == '\'') {
    Fail(start, "an apostrophe after ':' starts no comment: write REM");
  }
  if (!IsLetter(cursor_.current())) {
    Fail(start, std::string("a statement cannot start with '") + cursor_.current() + "'");
  }
  const Keyword* keyword = nullptr;
  try {
    keyword = cursor_.ReadKeyword();
  } catch (errorNumbers) {
    Fail(start, "name longer than 32 characters");
  }
  if (keyword == nullptr) {
    CheckNonKeywordStatement(start);
  } else {
    CheckKeywordStatement(*keyword, start);
  }
  CheckStatementEnd(keyword);
}

void StatementChecker::CheckKeywordStatement(const Keyword& keyword, size_t start) {
  if (keyword.id == KeywordId::Resume) {
    Fail(start, "RESUME is no statement: only ON ERROR RESUME NEXT reads it");
  }
  if (keyword.klass != KeywordClass::Statement && keyword.id != KeywordId::MsgBox) {
    Fail(start, std::string("'") + keyword.name + "' is " + ClassNoun(keyword.klass) +
                    ", not a statement");
  }
  CheckStatementForm(keyword.id, start);
}

// After a complete statement only ":" goes on; the runtime passes over
// anything else without a word.
void StatementChecker::CheckStatementEnd(const Keyword* keyword) {
  if (!cursor_.hasStatement()) return;
  if (keyword && keyword->id == KeywordId::Randomize) {
    if (cursor_.current() == ':' || cursor_.current() == '\0') return;
    Report(Severity::Warning, cursor_.Save(),
           "RANDOMIZE reads nothing after it: the rest of the line does not run "
           "(write RANDOMIZE: to go on)");
    cursor_.ClearStatement();
    return;
  }
  cursor_.SkipBlanks();
  const size_t here = cursor_.Save();
  if (cursor_.current() == '\0') return;
  if (cursor_.current() == ':') {
    if (keyword && EndsItsLine(keyword->id)) {
      Report(Severity::Warning, here,
             std::string("statements after ") + keyword->name + " on this line never run");
    }
    return;
  }
  // After a complete statement an apostrophe and what follows it go unread:
  // a comment in effect, though not one the loader cuts.
  if (cursor_.current() == '\'') {
    cursor_.ClearStatement();
    return;
  }
  if (cursor_.current() == ')') Fail(here, "')' without its '('");
  bool print = keyword && (keyword->id == KeywordId::Print || keyword->id == KeywordId::Write);
  if (print && cursor_.current() == ',') {
    Report(Severity::Warning, here,
           std::string("only ';' separates the items of ") + keyword->name + ": '" + QuotedRest() +
               "' is not written");
  } else {
    Report(Severity::Warning, here, "text after the statement is ignored: '" + QuotedRest() + "'");
  }
  cursor_.ClearStatement();
}

// assignment | BACKDROP expression | CALCSPACE | name [arguments] | object.member
void StatementChecker::CheckNonKeywordStatement(size_t start) {
  if (IsAssignmentText(cursor_.rest())) {
    CheckAssignment();
    return;
  }
  const InstallWordList words = InstallObjectWords();
  int32_t statement = MatchMemberWord(cursor_, words.statements.data(), words.statements.size());
  if (statement >= 0) {
    // BACKDROP takes an expression; CALCSPACE nothing.
    if (std::string(words.statements[static_cast<size_t>(statement)]) == "BACKDROP") {
      CheckExpression();
    }
    return;
  }
  std::string name = ReadName();
  CheckNamedCall(name, start);
}

void StatementChecker::CheckNamedCall(const std::string& name, size_t start) {
  cursor_.SkipBlanks();
  if (cursor_.current() == '.') {
    cursor_.Take();
    std::string member = ReadName();
    for (const char* property : FileDialogPropertyWords()) {
      if (member == property) Fail(start, "expected '=' after " + name + "." + member);
    }
    Fail(start, "'" + name + "." + member + "' is a value, not a statement: use it in an " +
                    "expression, as in IF " + name + "." + member + " THEN");
  }
  if (const ProcedureInfo* procedure = run_.index.FindProcedure(name)) {
    CheckProcedureCall(*procedure, start, true);
    cursor_.MatchChar(')');
    return;
  }
  const InstallWordList words = InstallObjectWords();
  for (const char* field : words.fields) {
    if (name == field) Fail(start, "expected '=' after " + name + " (" + name + " = text)");
  }
  for (const char* member : words.members) {
    if (name == member) {
      Fail(start, "'" + name + "' is a value, not a statement: use it in an expression, " +
                      "as in IF " + name + " = FALSE THEN END");
    }
  }
  const std::string unknown =
      "unknown statement or procedure '" + name + "'" + DidYouMean(name, StatementWords());
  if (run_.loadsComputedName) {
    Report(Severity::Warning, start,
           unknown + ", unless a module LOADed by a computed name " + "defines it");
    cursor_.ClearStatement();
    return;
  }
  Fail(start, unknown);
}

std::vector<std::string> StatementChecker::StatementWords() const {
  std::vector<std::string> words;
  for (const Keyword* row = KeywordTable(); row->name[0] != '\0'; ++row) {
    if (row->klass == KeywordClass::Statement) words.push_back(row->name);
  }
  for (const char* word : InstallObjectWords().statements) words.push_back(word);
  for (const std::string& procedure : run_.index.ProcedureNames()) words.push_back(procedure);
  return words;
}

// assignment -> (field | name [indices] [. member]) = expression
void StatementChecker::CheckAssignment() {
  cursor_.SkipBlanks();
  const InstallWordList words = InstallObjectWords();
  int32_t field = MatchMemberWord(cursor_, words.fields.data(), words.fields.size());
  if (field >= 0) {
    ExpectChar('=', "expected '='");
    cursor_.SkipBlanks();
    const size_t value = cursor_.Save();
    std::string literal;
    if (PeekLiteral(&literal) && IsAtStatementEnd() && literal.size() > 63) {
      Fail(value, std::string(words.fields[static_cast<size_t>(field)]) +
                      " holds at most 63 characters, not " + std::to_string(literal.size()) +
                      " (String Too Long)");
    }
    cursor_.Restore(value);
    CheckExpression();
    return;
  }
  const size_t target = cursor_.Save();
  std::string name = ReadName();
  if (name.empty() || !IsLetter(name[0])) Fail(target, "expected the name of a variable");
  bool member = FindKeywordByName(name.c_str()) != nullptr;
  for (const char* word : words.members) member |= name == word;
  for (const char* word : words.statements) member |= name == word;
  if (member) Fail(target, "'" + name + "' cannot be assigned");
  CheckAssignmentTarget(name, target);
  ExpectChar('=', "expected '='");
  CheckExpression();
}

void StatementChecker::CheckAssignmentTarget(const std::string& name, size_t start) {
  cursor_.SkipBlanks();
  if (cursor_.current() == '(') {
    assigning_ = true;
    CheckIndices(name, start);
    assigning_ = false;
  }
  cursor_.SkipBlanks();
  if (cursor_.current() == '.') CheckMember(name, start, MemberUse::Write);
}

// globalLine -> DIM ... { ":" DIM ... }
void StatementChecker::CheckGlobalLine() {
  cursor_.Restore(0);
  for (;;) {
    while (cursor_.MatchChar(':')) {
    }
    cursor_.SkipBlanks();
    if (cursor_.current() == '\0') return;
    const size_t start = cursor_.Save();
    try {
      const Keyword* keyword = nullptr;
      try {
        keyword = cursor_.ReadKeyword();
      } catch (errorNumbers) {
        Fail(start, "name longer than 32 characters");
      }
      if (keyword && keyword->id == KeywordId::Rem) {
        Fail(start,
             "REM is no comment before the first SUB or FUNCTION: write an apostrophe "
             "(REM raises error 25 here)");
      }
      if (!keyword || keyword->id != KeywordId::Dim) {
        Fail(start,
             "only DIM may stand before the first SUB or FUNCTION: this raises error 25, "
             "and Ignore skips the module's later DIMs");
      }
      CheckDeclarations(true);
      CheckStatementEnd(keyword);
      if (!cursor_.hasStatement() || cursor_.current() == '\0') return;
    } catch (Abandon) {
      SkipToNextStatement();
    } catch (errorNumbers number) {
      ReportScriptError(number, start);
      SkipToNextStatement();
    }
  }
}

// header -> (SUB | FUNCTION) name [ "(" parameters ")" ] [AS type]
ProcedureInfo StatementChecker::ReadHeader(const std::string& module) {
  ProcedureInfo procedure;
  procedure.module = module;
  cursor_.Restore(0);
  procedure.isFunction = cursor_.MatchKeyword(KeywordId::Function, Prefix::NotAllowed);
  if (!procedure.isFunction) cursor_.MatchKeyword(KeywordId::Sub, Prefix::NotAllowed);
  cursor_.SkipBlanks();
  const size_t start = cursor_.Save();
  try {
    procedure.name = ReadName();
    cursor_.SkipBlanks();
    if (cursor_.MatchChar('(')) ReadParameters(procedure);
    cursor_.SkipBlanks();
    if (cursor_.MatchKeyword(KeywordId::As, Prefix::NotAllowed)) CheckType();
    if (!IsAtStatementEnd()) {
      Report(Severity::Warning, cursor_.Save(), "text after the procedure header is ignored");
    }
  } catch (Abandon) {
  } catch (errorNumbers number) {
    ReportScriptError(number, start);
  }
  if (procedure.name == "MAIN" && !procedure.parameters.empty()) {
    Report(Severity::Warning, start,
           "MAIN gets no arguments when the setup starts: its parameters stay empty");
  }
  return procedure;
}

// parameters -> [BYREF | BYVAL] name [clause] { , [BYREF | BYVAL] name [clause] }
void StatementChecker::ReadParameters(ProcedureInfo& procedure) {
  cursor_.SkipBlanks();
  if (cursor_.MatchChar(')')) return;
  do {
    bool byReference = cursor_.MatchKeyword(KeywordId::ByRef, Prefix::NotAllowed);
    if (!byReference) cursor_.MatchKeyword(KeywordId::ByVal, Prefix::NotAllowed);
    std::string name = ReadName();
    if (name.empty() || !IsLetter(name[0])) FailHere("expected the name of a parameter");
    procedure.parameters.push_back({name, byReference});
    cursor_.SkipBlanks();
    char next = cursor_.current();
    if (next != ',' && next != ')' && next != '\0' && next != ':' && CheckDeclarationClause()) {
      run_.index.AddObject(name);
    }
  } while (cursor_.MatchChar(','));
  ExpectChar(')', "expected ',' or ')'");
}

}  // namespace vorna::check
