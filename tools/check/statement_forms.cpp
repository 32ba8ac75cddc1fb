// The operands of each statement, read as its handler reads them.
#include "install/file_dialog_object.h"
#include "install/install_object.h"
#include "script/member_words.h"
#include "script/program.h"
#include "tools/check/statement_checker.h"
#include "tools/check/suggestions.h"
#include "values/char_class.h"

namespace vorna::check {

namespace {

bool IsNotImplemented(KeywordId id) {
  switch (id) {
    case KeywordId::Cls:
    case KeywordId::Const:
    case KeywordId::Erase:
    case KeywordId::Lock:
    case KeywordId::Shared:
    case KeywordId::Static:
    case KeywordId::Type:
    case KeywordId::Unlock:
    case KeywordId::Width:
      return true;
    default:
      return false;
  }
}

std::vector<std::string> TypeWords() {
  std::vector<std::string> words;
  for (const Keyword* row = KeywordTable(); row->name[0] != '\0'; ++row) {
    if (row->klass == KeywordClass::TypeName && row->id != KeywordId::Any) {
      words.push_back(row->name);
    }
  }
  words.push_back(kFileDialogTypeWord);
  return words;
}

}  // namespace

void StatementChecker::CheckStatementForm(KeywordId id, size_t start) {
  if (IsNotImplemented(id)) {
    Fail(start, std::string("'") + FindKeywordById(id)->name +
                    "' is not available: it raises error 27 Functionality Not Implemented");
  }
  switch (id) {
    case KeywordId::Call:
      return CheckCall();
    case KeywordId::ChDir:
    case KeywordId::Kill:
    case KeywordId::MkDir:
    case KeywordId::RmDir:
    case KeywordId::Sleep:
      return CheckExpressionList(1);
    case KeywordId::CreateLink:
    case KeywordId::SetRegistry:
      return CheckExpressionList(3);
    case KeywordId::Close:
      return CheckClose();
    case KeywordId::Dim:
      return CheckDeclarations(true);
    case KeywordId::ReDim:
      return CheckDeclarations(false);
    case KeywordId::Get:
    case KeywordId::Put:
    case KeywordId::Seek:
      return CheckRecordStatement(id);
    case KeywordId::GoSub:
      return CheckJump("GOSUB");
    case KeywordId::GoTo:
      return CheckJump("GOTO");
    case KeywordId::Input:
      return CheckInput();
    case KeywordId::Let:
      return CheckAssignment();
    case KeywordId::Load:
      return CheckLoad();
    case KeywordId::LSet:
    case KeywordId::RSet:
      return CheckSet();
    case KeywordId::MsgBox:
      return CheckMsgBox();
    case KeywordId::Name:
      return CheckName();
    case KeywordId::On:
      return CheckOn();
    case KeywordId::Open:
      return CheckOpen();
    case KeywordId::Option:
      return CheckOption();
    case KeywordId::Print:
    case KeywordId::Write:
      return CheckPrint();
    case KeywordId::Rem:
    case KeywordId::Function:
    case KeywordId::Sub:
      // A comment; a procedure header (read by the call) never runs.
      cursor_.ClearStatement();
      return;
    case KeywordId::If:
      return CheckIf(start);
    case KeywordId::ElseIf:
      return CheckElseIf(start);
    case KeywordId::Else:
      return CheckMiddle(BlockKind::If, "ELSE", start);
    case KeywordId::EndIf:
      CloseBlock(BlockKind::If, "ENDIF", start);
      return;
    case KeywordId::End:
      return CheckEnd(start);
    case KeywordId::Exit:
      return CheckExit(start);
    case KeywordId::For:
      return CheckFor(start);
    case KeywordId::Next:
      return CheckNext(start);
    case KeywordId::Do:
    case KeywordId::Loop:
      return CheckDoOrLoop(id, start);
    case KeywordId::While:
      return CheckWhile(start);
    case KeywordId::Wend:
      CloseBlock(BlockKind::While, "WEND", start);
      return;
    case KeywordId::Select:
      return CheckSelect(start);
    case KeywordId::Case:
      return CheckCase(start);
    default:
      return;  // BEEP, RANDOMIZE, RESET, RETURN, RUN, STOP, SYSTEM: no operands
  }
}

// expression { "," expression }, count of them
void StatementChecker::CheckExpressionList(int count) {
  for (int i = 0; i < count; ++i) {
    if (i > 0) ExpectChar(',', "expected ','");
    CheckExpression();
  }
}

// close -> CLOSE [#]number { , [#]number }
void StatementChecker::CheckClose() {
  if (IsAtStatementEnd()) FailHere("CLOSE needs a file number (RESET closes every file)");
  do {
    cursor_.MatchChar('#');
    CheckExpression();
  } while (cursor_.MatchChar(','));
}

// dim -> DIM name clause { , name clause };  redim -> REDIM name clause
void StatementChecker::CheckDeclarations(bool several) {
  do {
    cursor_.SkipBlanks();
    size_t start = cursor_.Save();
    std::string name = ReadName();
    if (name.empty()) FailHere("expected the name of a variable");
    if (FindKeywordByName(name.c_str()) != nullptr) {
      Fail(start, "'" + name + "' is a keyword and cannot name a variable");
    }
    cursor_.SkipBlanks();
    if (cursor_.current() == '(') run_.index.AddArray(name);
    if (CheckDeclarationClause()) run_.index.AddObject(name);
  } while (several && cursor_.MatchChar(','));
}

// clause -> [ "(" bound { , bound } ")" ] AS type
bool StatementChecker::CheckDeclarationClause() {
  cursor_.SkipBlanks();
  if (cursor_.MatchChar('(')) {
    int bounds = CheckArgumentList(')');
    if (bounds == 0 || bounds > 3) FailHere("an array has 1 to 3 bounds");
  }
  ExpectKeyword(KeywordId::As, "expected AS and a type, as in DIM COUNT AS LONG");
  return CheckType();
}

// type -> a type name (ANY excepted) | STDFILE; true for an object type
bool StatementChecker::CheckType() {
  cursor_.SkipBlanks();
  size_t start = cursor_.Save();
  if (const Keyword* keyword = cursor_.ReadKeyword()) {
    if (keyword->klass == KeywordClass::TypeName && keyword->id != KeywordId::Any) return false;
    Fail(start, std::string("'") + keyword->name + "' is no type");
  }
  const char* const words[] = {kFileDialogTypeWord};
  if (MatchMemberWord(cursor_, words) >= 0) return true;
  std::string word = ReadName();
  if (word.empty()) Fail(start, "expected a type after AS");
  Fail(start, "unknown type '" + word + "'" + DidYouMean(word, TypeWords()));
}

// get/put -> #number, [position], target;  seek -> #number, position
void StatementChecker::CheckRecordStatement(KeywordId id) {
  ExpectChar('#', "expected '#' and a file number");
  CheckExpression();
  ExpectChar(',', "expected ','");
  if (id == KeywordId::Seek) return CheckExpression();
  if (!cursor_.MatchChar(',')) {
    CheckExpression();
    ExpectChar(',', "expected ','");
  }
  if (id == KeywordId::Put) return CheckExpression();
  cursor_.SkipBlanks();
  size_t start = cursor_.Save();
  if (!IsLetter(cursor_.current())) FailHere("expected the variable to read into");
  std::string name = ReadName();
  cursor_.SkipBlanks();
  if (cursor_.current() == '(') CheckIndices(name, start);
}

// input -> INPUT #number, name {, name} | INPUT ["prompt" ,[,]] name {, name}
void StatementChecker::CheckInput() {
  if (cursor_.MatchChar('#')) {
    CheckExpression();
    ExpectChar(',', "expected ',' after the file number");
  } else {
    if (IsAtStatementEnd()) return;
    if (cursor_.current() == '"') {
      CheckStringLiteral();
      ExpectChar(',', "expected ',' after the prompt");
      cursor_.MatchChar(',');
    }
  }
  do {
    cursor_.SkipBlanks();
    size_t start = cursor_.Save();
    std::string name = ReadName();
    if (name.empty() || !IsLetter(name[0])) Fail(start, "expected the name of a variable");
    cursor_.SkipBlanks();
    if (cursor_.current() == '(') CheckIndices(name, start);
  } while (cursor_.MatchChar(','));
}

// load -> LOAD text
void StatementChecker::CheckLoad() {
  cursor_.SkipBlanks();
  size_t start = cursor_.Save();
  std::string literal;
  if (PeekLiteral(&literal) && IsAtStatementEnd()) {
    cursor_.Restore(start);
    if (run_.pass == Pass::Gather) run_.loadedByName.push_back(literal);
    if (run_.entries().Find(literal) == nullptr) {
      std::vector<std::string> names;
      for (const Entry& entry : run_.entries().entries()) names.push_back(entry.name);
      Fail(start, "module '" + literal + "' not found" + DidYouMean(literal, names));
    }
  }
  cursor_.Restore(start);
  if (run_.pass == Pass::Gather && cursor_.current() != '"') run_.loadsComputedName = true;
  CheckExpression();
}

// msgbox -> MSGBOX text [, caption] | MSGBOX text, style, caption
void StatementChecker::CheckMsgBox() {
  CheckExpression();
  if (cursor_.MatchChar(',')) {
    CheckExpression();
    if (cursor_.MatchChar(',')) CheckExpression();
  }
}

// name -> NAME old AS new
void StatementChecker::CheckName() {
  CheckExpression();
  ExpectKeyword(KeywordId::As, "expected AS: NAME old AS new");
  CheckExpression();
}

// on -> ON ERROR (GOTO label | GOTO 0 | RESUME NEXT) | ON index (GOTO | GOSUB) label {, label}
void StatementChecker::CheckOn() {
  if (cursor_.MatchKeyword(KeywordId::Error, Prefix::NotAllowed)) {
    if (cursor_.MatchKeyword(KeywordId::GoTo, Prefix::NotAllowed)) {
      cursor_.SkipBlanks();
      size_t position = cursor_.Save();
      std::string label = ReadName();
      if (label != "0") CheckLabelName(label, position);
      return;
    }
    if (cursor_.MatchKeyword(KeywordId::Resume, Prefix::NotAllowed) &&
        cursor_.MatchKeyword(KeywordId::Next, Prefix::NotAllowed)) {
      return;
    }
    FailHere("ON ERROR is followed by GOTO label, GOTO 0 or RESUME NEXT");
  }
  CheckExpression();
  if (!cursor_.MatchKeyword(KeywordId::GoSub, Prefix::NotAllowed) &&
      !cursor_.MatchKeyword(KeywordId::GoTo, Prefix::NotAllowed)) {
    FailHere("expected GOTO or GOSUB after the index of ON");
  }
  do {
    cursor_.SkipBlanks();
    size_t position = cursor_.Save();
    CheckLabelName(ReadName(), position);
  } while (cursor_.MatchChar(','));
}

// open -> OPEN path [FOR mode] [ACCESS access] [SHARED | LOCK lock] AS [#]number [LEN = length]
void StatementChecker::CheckOpen() {
  CheckExpression();
  if (cursor_.MatchKeyword(KeywordId::For, Prefix::NotAllowed)) {
    cursor_.SkipBlanks();
    const size_t modeStart = cursor_.Save();
    const Keyword* mode = cursor_.ReadKeyword();
    KeywordId id = mode ? mode->id : KeywordId::EndOfTable;
    if (id != KeywordId::Append && id != KeywordId::Binary && id != KeywordId::Input &&
        id != KeywordId::Output && id != KeywordId::Random) {
      Fail(modeStart, "expected APPEND, BINARY, INPUT, OUTPUT or RANDOM after FOR");
    }
  }
  if (cursor_.MatchKeyword(KeywordId::Access, Prefix::NotAllowed)) {
    bool read = cursor_.MatchKeyword(KeywordId::Read, Prefix::NotAllowed);
    bool write = cursor_.MatchKeyword(KeywordId::Write, Prefix::NotAllowed);
    if (!read && !write) FailHere("expected READ, WRITE or READ WRITE after ACCESS");
  }
  if (!cursor_.MatchKeyword(KeywordId::Shared, Prefix::NotAllowed) &&
      cursor_.MatchKeyword(KeywordId::Lock, Prefix::NotAllowed)) {
    cursor_.MatchKeyword(KeywordId::Read, Prefix::NotAllowed);
    cursor_.MatchKeyword(KeywordId::Write, Prefix::NotAllowed);
  }
  ExpectKeyword(KeywordId::As, "expected AS and a file number");
  cursor_.MatchChar('#');
  CheckExpression();
  if (cursor_.MatchKeyword(KeywordId::Len, Prefix::NotAllowed)) {
    ExpectChar('=', "expected '=' after LEN");
    CheckExpression();
  }
}

// option -> OPTION CONSOLE condition
void StatementChecker::CheckOption() {
  if (!cursor_.MatchWord("CONSOLE", Prefix::NotAllowed)) {
    FailHere("OPTION knows only CONSOLE: OPTION CONSOLE TRUE");
  }
  CheckExpression();
}

// print -> PRINT [#number ,] [item { ; item }] [;], item -> TAB "(" n ")" | expression
void StatementChecker::CheckPrint() {
  if (cursor_.MatchChar('#')) {
    CheckExpression();
    ExpectChar(',', "expected ',' after the file number");
  }
  if (IsAtStatementEnd()) return;
  do {
    if (IsAtStatementEnd()) return;
    if (cursor_.MatchKeyword(KeywordId::Tab, Prefix::NotAllowed)) {
      ExpectChar('(', "TAB needs its parentheses: TAB(n)");
      CheckExpression();
      ExpectChar(')', "expected ')'");
    } else {
      CheckExpression();
    }
  } while (cursor_.MatchChar(';'));
}

// set -> (LSET | RSET) name = expression
void StatementChecker::CheckSet() {
  cursor_.SkipBlanks();
  if (!IsLetter(cursor_.current())) FailHere("expected the name of a variable");
  ReadName();
  ExpectChar('=', "expected '='");
  CheckExpression();
}

// call -> CALL name [arguments] | CALL expression
void StatementChecker::CheckCall() {
  cursor_.SkipBlanks();
  size_t start = cursor_.Save();
  std::string name = ReadName();
  if (const ProcedureInfo* procedure = run_.index.FindProcedure(name)) {
    CheckProcedureCall(*procedure, start, true);
    cursor_.MatchChar(')');
    return;
  }
  if (FindKeywordByName(name.c_str()) == nullptr && IsLetter(name.empty() ? '\0' : name[0])) {
    bool member = false;
    for (const char* word : InstallObjectWords().members) member |= name == word;
    if (!member) {
      Fail(start, "CALL of '" + name + "', which is no SUB or FUNCTION" +
                      DidYouMean(name, run_.index.ProcedureNames()));
    }
  }
  cursor_.Restore(start);
  CheckExpression();
}

// jump -> (GOTO | GOSUB) label
void StatementChecker::CheckJump(const char* statement) {
  cursor_.SkipBlanks();
  size_t position = cursor_.Save();
  std::string label = ReadName();
  if (label.empty()) Fail(position, std::string(statement) + " needs a label");
  CheckLabelName(label, position);
}

void StatementChecker::CheckLabelName(const std::string& label, size_t position) {
  if (label.empty()) Fail(position, "expected a label");
  if (LabelExists(label)) return;
  Fail(position, "unknown label '" + label + "'" + DidYouMean(label, LabelNames()));
}

// A jump looks in the running procedure first, then in the module's top list.
bool StatementChecker::LabelExists(const std::string& label) const {
  for (const std::string& name : LabelNames()) {
    if (name == label) return true;
  }
  return false;
}

std::vector<std::string> StatementChecker::LabelNames() const {
  std::vector<std::string> names;
  auto collect = [&](const NamedNode* node) {
    for (; node != nullptr; node = node->next()) {
      if (node->name() != nullptr && node->name()[0] != '~') names.push_back(node->name());
    }
  };
  if (region_.procedureNode) {
    collect(const_cast<ProgramLine*>(region_.procedureNode)->lines().head());
  }
  collect(region_.source.module->top().head());
  return names;
}

void StatementChecker::ExpectKeyword(KeywordId id, const std::string& message) {
  if (!cursor_.MatchKeyword(id, Prefix::NotAllowed)) FailHere(message);
}

void StatementChecker::ExpectChar(char c, const std::string& message) {
  if (!cursor_.MatchChar(c)) FailHere(message);
}

// A name as the runtime reads it (its first character, whatever it is, then
// letters, digits and underscores); empty at the end of the statement.
std::string StatementChecker::ReadName() {
  cursor_.SkipBlanks();
  if (cursor_.current() == ':') return std::string();
  const size_t start = cursor_.Save();
  NameBuffer name;
  try {
    size_t length = cursor_.ReadName(name);
    return std::string(name, length);
  } catch (errorNumbers) {
    Fail(start, "name longer than 32 characters");
  }
}

}  // namespace vorna::check
