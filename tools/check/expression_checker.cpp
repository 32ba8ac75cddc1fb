// Expressions as the evaluator reads them, operand by operand: literals,
// names (install object words first, then keywords, procedures and
// variables), calls with their argument counts, and the places where the
// evaluator would quietly read something else than was written.
#include "builtins/function_shapes.h"
#include "install/file_dialog_object.h"
#include "install/install_object.h"
#include "install/shell_folder_lookup.h"
#include "script/member_words.h"
#include "tools/check/statement_checker.h"
#include "tools/check/suggestions.h"
#include "values/char_class.h"

namespace vorna::check {

namespace {

bool IsTermOperator(char c) {
  return c == '*' || c == '/' || c == '<' || c == '>' || c == '=';
}

std::string ArgumentCountText(int least, int most) {
  std::string text = std::to_string(least);
  if (most == least + 1) {
    text += " or " + std::to_string(most);
  } else if (most > least) {
    text += " to " + std::to_string(most);
  }
  return text + (most == 1 ? " argument" : " arguments");
}

std::string Upper(std::string text) {
  for (char& c : text) c = ToUpper(c);
  return text;
}

bool IsEntryName(const std::string& name) {
  return name.find_first_of("\\/:") == std::string::npos;
}

std::vector<std::string> Words(const std::vector<const char*>& words) {
  return std::vector<std::string>(words.begin(), words.end());
}

}  // namespace

// expression -> [+ | -] [NOT] term { (OR | AND | - | + | &) term }
void StatementChecker::CheckExpression() {
  cursor_.SkipBlanks();
  if (cursor_.current() == '+' || cursor_.current() == '-') cursor_.Take();
  cursor_.MatchKeyword(KeywordId::Not, Prefix::NotAllowed);
  CheckTerm();
  for (;;) {
    cursor_.SkipBlanks();
    if (cursor_.MatchKeyword(KeywordId::Or, Prefix::NotAllowed) ||
        cursor_.MatchKeyword(KeywordId::And, Prefix::NotAllowed)) {
      CheckTerm();
      continue;
    }
    char c = cursor_.current();
    if (c != '+' && c != '-' && c != '&') return;
    cursor_.Take();
    CheckTerm();
  }
}

// term -> factor MOD factor | factor { (* | / | = | <> | < | <= | > | >=) factor }
void StatementChecker::CheckTerm() {
  CheckFactor();
  cursor_.SkipBlanks();
  if (cursor_.MatchKeyword(KeywordId::Mod, Prefix::NotAllowed)) return CheckFactor();
  for (;;) {
    cursor_.SkipBlanks();
    char op = cursor_.current();
    if (!IsTermOperator(op)) return;
    cursor_.Take();
    if (op == '>' && cursor_.current() == '=') {
      cursor_.Take();
    } else if (op == '>') {
      cursor_.SkipBlanks();
      if (cursor_.current() == '=') FailHere("write '>=' without a blank inside it");
    } else if (op == '<') {
      cursor_.SkipBlanks();
      if (cursor_.current() == '>' || cursor_.current() == '=') cursor_.Take();
    }
    CheckFactor();
  }
}

// factor -> (name | literal | "(" expression ")") [^ factor]
void StatementChecker::CheckFactor() {
  cursor_.SkipBlanks();
  const size_t start = cursor_.Save();
  const char c = cursor_.current();
  if (c >= 'A' && c <= 'Z') {
    CheckNameOperand();
  } else if (c == '+' || c == '-') {
    const char after = cursor_.rest()[1];
    if (!IsDigit(after) && after != '.') {
      std::string operand(1, c);
      for (const char* at = cursor_.rest() + 1; IsLetterOrDigit(*at) || *at == '_'; ++at) {
        operand += *at;
      }
      Fail(start, "a sign inside an expression belongs to a number only: " + operand +
                      " reads as 0 here (write (" + operand + "))");
    }
    CheckNumberLiteral();
  } else if (c == '.' || IsDigit(c)) {
    CheckNumberLiteral();
  } else if (c == '"') {
    CheckStringLiteral();
  } else if (c == '(') {
    cursor_.Take();
    CheckExpression();
    if (!cursor_.MatchChar(')')) FailHere("missing ')'");
  } else if (c == '\0' || c == ':') {
    Fail(start, "expected a value");
  } else {
    Fail(start, std::string("expected a value, not '") + c + "'");
  }
  cursor_.SkipBlanks();
  if (cursor_.MatchChar('^')) CheckFactor();
}

// number -> [+ | -] digits [. digits] [E [+ | -] digits]
void StatementChecker::CheckNumberLiteral() {
  if (cursor_.current() == '+' || cursor_.current() == '-') cursor_.Take();
  while (IsDigit(cursor_.current())) cursor_.Take();
  if (cursor_.current() == '.') cursor_.Take();
  while (IsDigit(cursor_.current())) cursor_.Take();
  if (cursor_.current() != 'E') return;
  cursor_.Take();
  if (cursor_.current() == '+' || cursor_.current() == '-') cursor_.Take();
  while (IsDigit(cursor_.current())) cursor_.Take();
}

void StatementChecker::CheckStringLiteral() {
  std::string ignored;
  PeekLiteral(&ignored);
}

// A string literal at the cursor, read (the cursor then stands after it).
bool StatementChecker::PeekLiteral(std::string* text) {
  cursor_.SkipBlanks();
  if (cursor_.current() != '"') return false;
  const size_t start = cursor_.Save();
  LiteralBuffer literal;
  try {
    size_t length = cursor_.ReadStringLiteral(literal);
    text->assign(literal, length);
  } catch (errorNumbers number) {
    ReportScriptError(number, start);
    throw Abandon{};
  }
  return true;
}

// name -> install word | keyword | procedure call | variable [indices | . member]
void StatementChecker::CheckNameOperand() {
  const size_t start = cursor_.Save();
  if (CheckInstallMember(start)) return;
  std::string name = ReadName();
  if (const Keyword* keyword = FindKeywordByName(name.c_str())) {
    return CheckKeywordOperand(*keyword, start);
  }
  for (const char* word : InstallObjectWords().statements) {
    if (name == word) {
      Fail(start, "'" + name + "' is a statement, not a value: in an expression it reads as 0");
    }
  }
  if (const ProcedureInfo* procedure = run_.index.FindProcedure(name)) {
    CheckProcedureCall(*procedure, start, false);
    if (!procedure->isFunction) {
      Report(Severity::Warning, start, "'" + name + "' is a SUB: it gives no value");
    }
    return;
  }
  CheckVariableOperand(name, start);
}

// The install object's words come before everything else in an expression.
bool StatementChecker::CheckInstallMember(size_t start) {
  InstallWordList words = InstallObjectWords();
  std::vector<const char*> all = words.fields;
  all.insert(all.end(), words.members.begin(), words.members.end());
  int32_t found = MatchMemberWord(cursor_, all.data(), all.size());
  if (found < 0) return false;
  const std::string word = all[static_cast<size_t>(found)];
  cursor_.SkipBlanks();
  for (const MemberShape& shape : InstallMemberShapes()) {
    if (word != shape.word) continue;
    if (!cursor_.MatchChar('(')) Fail(start, "'" + word + "' needs its arguments in parentheses");
    CheckLiteralArgument(word, start);
    CheckArgumentCount(word, CheckArgumentList(')'), shape.minArguments, shape.maxArguments, start);
    return true;
  }
  if (cursor_.current() == '(') FailHere("'" + word + "' takes no arguments");
  return true;
}

// The entry of ASKLICENSE must be in the setup; SPECIALFOLDER must know its name.
void StatementChecker::CheckLiteralArgument(const std::string& member, size_t start) {
  const size_t open = cursor_.Save();
  std::string literal;
  bool isLiteral = PeekLiteral(&literal);
  cursor_.SkipBlanks();
  isLiteral = isLiteral && (cursor_.current() == ')' || cursor_.current() == ',');
  cursor_.Restore(open);
  cursor_.SkipBlanks();
  const size_t position = cursor_.Save();
  if (member == "ASKLICENSE") {
    if (!isLiteral || !IsEntryName(literal)) {
      run_.NoteComputedLicence(region_.source.file, line_.lineNumber() + 1,
                               line_.column() + static_cast<int>(base_ + start) + 1);
    } else if (run_.entries().Find(literal) == nullptr) {
      std::vector<std::string> names;
      for (const Entry& entry : run_.entries().entries()) names.push_back(entry.name);
      Fail(position, "licence entry '" + literal + "' not found: the dialog would show an " +
                         "empty licence" + DidYouMean(literal, names));
    }
  } else if (member == "SPECIALFOLDER" && isLiteral) {
    std::vector<std::string> known = SpecialFolderNames();
    if (std::find(known.begin(), known.end(), Upper(literal)) == known.end()) {
      Report(Severity::Warning, position,
             "unknown special folder '" + literal + "': SPECIALFOLDER answers \"\"" +
                 DidYouMean(literal, known));
    }
  }
}

void StatementChecker::CheckKeywordOperand(const Keyword& keyword, size_t start) {
  const std::string name = keyword.name;
  switch (keyword.klass) {
    case KeywordClass::Function:
      return CheckFunctionCall(keyword, start);
    case KeywordClass::Constant:
      if (keyword.id == KeywordId::Is && !inCaseItem_) Fail(start, "IS stands only in CASE IS");
      return;
    case KeywordClass::Operator:
      if (keyword.id == KeywordId::Not) {
        Fail(start,
             "NOT applies only at the start of an expression: put it in parentheses, "
             "as in A AND (NOT B)");
      }
      break;
    default:
      break;
  }
  if (keyword.id == KeywordId::String) {
    Fail(start, "STRING is a type name in an expression: CSTR makes text of a number");
  }
  if (keyword.id == KeywordId::Error)
    Fail(start, "ERROR is no function: ERR.DESCRIPTION names the last error");
  Fail(start, "'" + name + "' cannot stand in an expression");
}

void StatementChecker::CheckFunctionCall(const Keyword& keyword, size_t start) {
  const FunctionShape* shape = FindFunctionShape(keyword.id);
  const std::string name = keyword.name;
  if (shape == nullptr) Fail(start, "'" + name + "' cannot stand in an expression");
  switch (shape->form) {
    case CallForm::Reserved:
      if (keyword.id == KeywordId::Tab) Fail(start, "TAB stands only among the items of PRINT");
      Fail(start, "'" + name + "' is not available: it raises error 27 Functionality Not " +
                      "Implemented");
    case CallForm::NoArguments:
      cursor_.SkipBlanks();
      if (cursor_.current() == '(') FailHere("'" + name + "' takes no parentheses");
      return;
    case CallForm::EmptyList:
      ExpectChar('(', "'" + name + "' needs its empty parentheses: " + name + "()");
      ExpectChar(')', "'" + name + "' takes no arguments: " + name + "()");
      return;
    case CallForm::Member: {
      ExpectChar('.', name + " needs a member, as in ERR.NUMBER");
      std::string member = ReadName();
      for (const char* word : ErrMemberWords()) {
        if (member == word) return;
      }
      Fail(start,
           "unknown member '" + member + "' of ERR" + DidYouMean(member, Words(ErrMemberWords())));
    }
    case CallForm::ArgumentList:
      break;
  }
  cursor_.SkipBlanks();
  if (cursor_.current() == '$') {
    if (shape->dollar == DollarSuffix::NotAllowed) FailHere("'" + name + "' takes no '$'");
    cursor_.Take();
  }
  ExpectChar('(', "'" + name + "' needs its arguments in parentheses");
  CheckArgumentCount(name, CheckArgumentList(')'), shape->minArguments, shape->maxArguments, start);
}

// arguments -> [ expression { , expression } ] close; answers how many
int StatementChecker::CheckArgumentList(char close) {
  cursor_.SkipBlanks();
  if (cursor_.MatchChar(close)) return 0;
  int count = 0;
  do {
    CheckExpression();
    ++count;
  } while (cursor_.MatchChar(','));
  if (!cursor_.MatchChar(close)) FailHere(std::string("expected ',' or '") + close + "'");
  return count;
}

void StatementChecker::CheckArgumentCount(const std::string& name, int given, int least, int most,
                                          size_t start) {
  if (given >= least && given <= most) return;
  Fail(start,
       "'" + name + "' takes " + ArgumentCountText(least, most) + ", not " + std::to_string(given));
}

// call -> name "(" arguments ")" | name arguments (a statement) | name
void StatementChecker::CheckProcedureCall(const ProcedureInfo& procedure, size_t start,
                                          bool statement) {
  cursor_.SkipBlanks();
  const bool list = cursor_.MatchChar('(');
  const int declared = static_cast<int>(procedure.parameters.size());
  // Without parentheses a statement's arguments run to its end; in an
  // expression the parameters take what follows all the same.
  const bool bare = (statement || declared > 0) && !IsAtStatementEnd();
  int given = 0;
  if (list || bare) {
    cursor_.SkipBlanks();
    if (!(list && cursor_.current() == ')')) {
      do {
        CheckReferenceOrValue(procedure, given++);
      } while (cursor_.MatchChar(','));
    }
    if (list && !cursor_.MatchChar(')')) FailHere("expected ',' or ')'");
  }
  if (given < declared) {
    Fail(start, "'" + procedure.name + "' takes " + ArgumentCountText(declared, declared) +
                    ", not " + std::to_string(given));
  }
  if (given > declared) {
    const int extra = given - declared;
    Report(Severity::Warning, start,
           "'" + procedure.name + "' takes " + ArgumentCountText(declared, declared) + ": " +
               (extra == 1 ? std::string("the extra argument is")
                           : "the " + std::to_string(extra) + " extra arguments are") +
               " not read");
  }
}

// A BYREF parameter borrows the caller's variable, so its argument must be one.
void StatementChecker::CheckReferenceOrValue(const ProcedureInfo& procedure, int index) {
  const bool byReference = index < static_cast<int>(procedure.parameters.size()) &&
                           procedure.parameters[static_cast<size_t>(index)].byReference;
  if (!byReference) return CheckExpression();
  cursor_.SkipBlanks();
  const size_t start = cursor_.Save();
  const std::string parameter = procedure.parameters[static_cast<size_t>(index)].name;
  const std::string need =
      "BYREF parameter " + parameter + " of " + procedure.name + " needs a variable";
  if (!IsLetter(cursor_.current())) Fail(start, need);
  std::string name = ReadName();
  if (FindKeywordByName(name.c_str()) != nullptr) Fail(start, need);
  cursor_.SkipBlanks();
  if (cursor_.current() == '(') CheckIndices(name, start);
  cursor_.SkipBlanks();
  char next = cursor_.current();
  if (next != ',' && next != ')' && next != ':' && next != '\0') Fail(start, need);
}

// variable -> name [ "(" indices ")" ] [ "." member ]
void StatementChecker::CheckVariableOperand(const std::string& name, size_t start) {
  cursor_.SkipBlanks();
  if (cursor_.current() == '(') CheckIndices(name, start);
  cursor_.SkipBlanks();
  if (cursor_.current() == '.') CheckMember(name, start, MemberUse::Read);
}

bool StatementChecker::IsParameter(const std::string& name) const {
  if (region_.procedure == nullptr) return false;
  for (const Parameter& parameter : region_.procedure->parameters) {
    if (parameter.name == name) return true;
  }
  return false;
}

void StatementChecker::CheckIndices(const std::string& name, size_t start) {
  if (!run_.index.IsArray(name) && !IsParameter(name) && assigning_) {
    Fail(start, "'" + name + "' is no array: declare it first, as in DIM " + name + "(10) AS LONG");
  }
  if (!run_.index.IsArray(name) && !IsParameter(name)) {
    std::vector<std::string> known;
    for (const FunctionShape& shape : FunctionShapes())
      known.push_back(FindKeywordById(shape.id)->name);
    for (const MemberShape& shape : InstallMemberShapes()) known.push_back(shape.word);
    for (const std::string& procedure : run_.index.ProcedureNames()) known.push_back(procedure);
    for (const std::string& array : run_.index.ArrayNames()) known.push_back(array);
    Fail(start, "unknown function or array '" + name + "'" + DidYouMean(name, known));
  }
  cursor_.MatchChar('(');
  int indices = CheckArgumentList(')');
  if (indices == 0 || indices > 3) Fail(start, "an element of '" + name + "' has 1 to 3 indices");
}

// member -> "." word, a member of a file dialog object
void StatementChecker::CheckMember(const std::string& object, size_t start, MemberUse use) {
  cursor_.MatchChar('.');
  const size_t position = cursor_.Save();
  std::string member = ReadName();
  if (!run_.index.IsObject(object) && !IsParameter(object)) {
    Report(Severity::Warning, start,
           "'" + object + "' is not declared AS STDFILE: '" + object + "." + member +
               "' reaches no member");
    return;
  }
  std::vector<std::string> words =
      Words(use == MemberUse::Read ? FileDialogMemberWords() : FileDialogPropertyWords());
  if (std::find(words.begin(), words.end(), member) != words.end()) return;
  std::vector<std::string> readable = Words(FileDialogMemberWords());
  if (use == MemberUse::Write &&
      std::find(readable.begin(), readable.end(), member) != readable.end()) {
    Fail(position, "'" + member + "' of a STDFILE object cannot be assigned");
  }
  Fail(position, "unknown member '" + member + "' of a STDFILE object" + DidYouMean(member, words));
}

}  // namespace vorna::check
