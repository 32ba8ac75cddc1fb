// Blocks: IF in both forms, the loops, SELECT CASE, END and EXIT. Each
// region keeps the blocks open at the statement being read, so a closer
// that does not match names the line that opened the block left open.
#include <optional>

#include "script/line_text.h"
#include "tools/check/statement_checker.h"
#include "values/char_class.h"

namespace vorna::check {

namespace {

const char* OpenerWord(BlockKind kind) {
  switch (kind) {
    case BlockKind::If:
      return "IF";
    case BlockKind::For:
      return "FOR";
    case BlockKind::While:
      return "WHILE";
    case BlockKind::Do:
      return "DO";
    case BlockKind::Select:
      return "SELECT CASE";
  }
  return "";
}

const char* CloserWord(BlockKind kind) {
  switch (kind) {
    case BlockKind::If:
      return "END IF";
    case BlockKind::For:
      return "NEXT";
    case BlockKind::While:
      return "WEND";
    case BlockKind::Do:
      return "LOOP";
    case BlockKind::Select:
      return "END CASE";
  }
  return "";
}

std::string Describe(const OpenBlock& block) {
  return std::string("the ") + OpenerWord(block.kind) + " of line " + std::to_string(block.line);
}

bool IsLoop(BlockKind kind) {
  return kind == BlockKind::For || kind == BlockKind::While || kind == BlockKind::Do;
}

bool IsNameCharacter(char c) {
  return IsLetterOrDigit(c) || c == '_';
}

}  // namespace

void StatementChecker::OpenBlockHere(BlockKind kind, size_t start) {
  int column = line_.column() + static_cast<int>(base_ + start) + 1;
  region_.blocks.push_back({kind, line_.lineNumber() + 1, column, std::string()});
}

OpenBlock* StatementChecker::InnermostOf(BlockKind kind) {
  for (auto block = region_.blocks.rbegin(); block != region_.blocks.rend(); ++block) {
    if (block->kind == kind) return &*block;
  }
  return nullptr;
}

// Closes the innermost block of kind; blocks opened inside it and left open
// are named and dropped with it.
std::optional<OpenBlock> StatementChecker::CloseBlock(BlockKind kind, const char* closer,
                                                      size_t start) {
  OpenBlock* block = InnermostOf(kind);
  if (block == nullptr) {
    Report(Severity::Error, start, std::string(closer) + " without " + OpenerWord(kind));
    return std::nullopt;
  }
  const OpenBlock& inner = region_.blocks.back();
  if (&inner != block) {
    Report(Severity::Error, start,
           std::string(closer) + " closes " + Describe(*block) + ", but " + Describe(inner) +
               " is still open (missing " + CloserWord(inner.kind) + "?)");
  }
  OpenBlock closed = *block;
  region_.blocks.resize(static_cast<size_t>(block - region_.blocks.data()));
  return closed;
}

// ELSE, ELSEIF and CASE stand inside their block, not inside a block opened in it.
void StatementChecker::CheckMiddle(BlockKind kind, const char* word, size_t start) {
  OpenBlock* block = InnermostOf(kind);
  if (block == nullptr) {
    Fail(start, std::string(word) + " without " + OpenerWord(kind));
  }
  if (block != &region_.blocks.back()) {
    const OpenBlock& inner = region_.blocks.back();
    Report(Severity::Error, start,
           std::string(word) + " inside " + Describe(inner) + ", which is still open (missing " +
               CloserWord(inner.kind) + "?)");
    region_.blocks.resize(static_cast<size_t>(block - region_.blocks.data()) + 1);
  }
  OpenBlock& open = region_.blocks.back();
  if (kind == BlockKind::If && open.sawElse) {
    Fail(start, std::string(word) + " after the ELSE of " + Describe(open));
  }
  if (std::string(word) == "ELSE") open.sawElse = true;
}

// if -> IF condition THEN ( <end of line> | label-number | statements [ELSE statements] )
void StatementChecker::CheckIf(size_t start) {
  CheckExpression();
  if (!cursor_.MatchKeyword(KeywordId::Then, Prefix::NotAllowed)) {
    FailHere("expected THEN (IF condition THEN)");
  }
  cursor_.SkipBlanks();
  if (cursor_.current() == '\0') {
    OpenBlockHere(BlockKind::If, start);
    return;
  }
  CheckSingleLineIf(cursor_.Save());
  cursor_.ClearStatement();
}

// The true branch runs up to the letters ELSE, the false branch after them:
// the runtime finds them by a plain search outside literals.
void StatementChecker::CheckSingleLineIf(size_t thenStart) {
  const std::string& text = cursor_.text();
  const char* found = FindWordOutsideLiterals(text.c_str() + thenStart, "ELSE");
  size_t elseAt = found ? static_cast<size_t>(found - text.c_str()) : text.size();
  if (found != nullptr) {
    bool wordStart = elseAt == 0 || !IsNameCharacter(text[elseAt - 1]);
    bool wordEnd = !IsNameCharacter(text[elseAt + 4]) || text.compare(elseAt + 4, 2, "IF") == 0;
    if (!wordStart || !wordEnd) {
      Report(Severity::Warning, elseAt,
             "the false branch of this IF runs what follows the letters ELSE here");
    }
  }
  if (IsDigit(text[thenStart])) {
    cursor_.Restore(thenStart);
    std::string digits = ReadName();
    size_t first = digits.find_first_not_of('0');
    CheckLabelName(first == std::string::npos ? "0" : digits.substr(first), thenStart);
  } else {
    StatementChecker thenPart(run_, region_, line_, text.substr(0, elseAt), base_,
                              Nesting::ThenPart);
    thenPart.elseFollows_ = found != nullptr;
    thenPart.CheckStatementsFrom(thenStart);
  }
  if (found == nullptr) return;
  StatementChecker elsePart(run_, region_, line_, text.substr(elseAt + 4), base_ + elseAt + 4,
                            Nesting::ElsePart);
  elsePart.CheckStatementsFrom(0);
}

// elseif -> ELSEIF condition THEN <end of line>
void StatementChecker::CheckElseIf(size_t start) {
  CheckMiddle(BlockKind::If, "ELSEIF", start);
  CheckExpression();
  if (!cursor_.MatchKeyword(KeywordId::Then, Prefix::NotAllowed)) {
    FailHere("expected THEN (ELSEIF condition THEN)");
  }
  cursor_.SkipBlanks();
  if (cursor_.current() != '\0') FailHere("ELSEIF must end its line after THEN");
}

// for -> FOR name = start TO limit [STEP step]; the block is open even when
// the header fails, so that its NEXT is not reported too.
void StatementChecker::CheckFor(size_t start) {
  OpenBlockHere(BlockKind::For, start);
  cursor_.SkipBlanks();
  std::string variable = ReadName();
  if (variable.empty() || !IsLetter(variable[0])) FailHere("expected the loop variable");
  region_.blocks.back().variable = variable;
  ExpectChar('=', "expected '=' after the loop variable");
  CheckExpression();
  if (!cursor_.MatchKeyword(KeywordId::To, Prefix::NotAllowed)) {
    FailHere("expected TO (FOR I = 1 TO 10)");
  }
  CheckExpression();
  if (cursor_.MatchKeyword(KeywordId::Step, Prefix::NotAllowed)) {
    cursor_.SkipBlanks();
    size_t step = cursor_.Save();
    CheckExpression();
    std::string written = cursor_.text().substr(step, cursor_.Save() - step);
    if (written.find_first_not_of("0 \t") == std::string::npos) {
      Fail(step, "a STEP of 0 raises Illegal Use");
    }
  }
}

// next -> NEXT [name]; the name is not read: the innermost FOR counts
void StatementChecker::CheckNext(size_t start) {
  std::optional<OpenBlock> loop = CloseBlock(BlockKind::For, "NEXT", start);
  cursor_.SkipBlanks();
  if (!IsLetter(cursor_.current())) return;
  size_t position = cursor_.Save();
  std::string name = ReadName();
  if (loop && name != loop->variable) {
    Report(Severity::Warning, position,
           "NEXT " + name + " closes the loop of " + loop->variable + " (line " +
               std::to_string(loop->line) + "): the name after NEXT is not read");
  }
}

// do -> DO [WHILE | UNTIL condition];  loop -> LOOP [WHILE | UNTIL condition]
void StatementChecker::CheckDoOrLoop(KeywordId id, size_t start) {
  if (id == KeywordId::Do) OpenBlockHere(BlockKind::Do, start);
  std::optional<OpenBlock> loop;
  if (id == KeywordId::Loop) loop = CloseBlock(BlockKind::Do, "LOOP", start);
  bool condition = false;
  if (cursor_.MatchKeyword(KeywordId::While, Prefix::NotAllowed) ||
      cursor_.MatchKeyword(KeywordId::Until, Prefix::NotAllowed)) {
    CheckExpression();
    condition = true;
  } else if (!IsAtStatementEnd()) {
    FailHere("expected WHILE or UNTIL");
  }
  if (id == KeywordId::Do) {
    region_.blocks.back().doCondition = condition;
    return;
  }
  if (loop && loop->doCondition && condition) {
    Report(Severity::Error, start,
           "conditions on both DO (line " + std::to_string(loop->line) +
               ") and LOOP raise Illegal Use");
  }
}

// while -> WHILE condition
void StatementChecker::CheckWhile(size_t start) {
  OpenBlockHere(BlockKind::While, start);
  CheckExpression();
}

// select -> SELECT CASE value
void StatementChecker::CheckSelect(size_t start) {
  OpenBlockHere(BlockKind::Select, start);
  ExpectKeyword(KeywordId::Case, "expected CASE (SELECT CASE value)");
  CheckExpression();
}

// case -> CASE ELSE | CASE item { , item }
void StatementChecker::CheckCase(size_t start) {
  CheckMiddle(BlockKind::Select, "CASE", start);
  if (cursor_.MatchKeyword(KeywordId::Else, Prefix::NotAllowed)) return;
  do {
    CheckCaseItem();
  } while (cursor_.MatchChar(','));
}

// item -> IS comparison | expression [TO expression]
void StatementChecker::CheckCaseItem() {
  cursor_.SkipBlanks();
  const char* rest = cursor_.rest();
  if (rest[0] == 'I' && rest[1] == 'S') {
    inCaseItem_ = true;
    CheckExpression();
    inCaseItem_ = false;
    return;
  }
  CheckExpression();
  if (cursor_.MatchKeyword(KeywordId::To, Prefix::NotAllowed)) CheckExpression();
}

// end -> END [IF | CASE | SUB | FUNCTION]
void StatementChecker::CheckEnd(size_t start) {
  cursor_.SkipBlanks();
  if (cursor_.MatchKeyword(KeywordId::If, Prefix::NotAllowed)) {
    CloseBlock(BlockKind::If, "END IF", start);
  } else if (cursor_.MatchKeyword(KeywordId::Case, Prefix::NotAllowed)) {
    CloseBlock(BlockKind::Select, "END CASE", start);
  } else if (cursor_.MatchKeyword(KeywordId::Sub, Prefix::NotAllowed)) {
    CheckProcedureEnd("END SUB", start);
  } else if (cursor_.MatchKeyword(KeywordId::Function, Prefix::NotAllowed)) {
    CheckProcedureEnd("END FUNCTION", start);
  } else if (cursor_.MatchKeyword(KeywordId::Select, Prefix::NotAllowed)) {
    // Taken as the END CASE it was meant to be, so that the blocks after it
    // are read as the author wrote them.
    if (OpenBlock* block = InnermostOf(BlockKind::Select)) {
      region_.blocks.resize(static_cast<size_t>(block - region_.blocks.data()));
    }
    Fail(start,
         "END SELECT does not close SELECT CASE: write END CASE (END SELECT returns from the "
         "procedure)");
  } else if (cursor_.current() == ':' || elseFollows_) {
    Report(Severity::Warning, start,
           "END with more after it on its line returns from the procedure instead of ending "
           "the program");
    cursor_.ClearStatement();
  } else if (cursor_.current() != '\0') {
    Fail(start,
         "END " + QuotedRest() + " is no statement: END alone ends the program, END SUB returns");
  }
}

// END SUB and END FUNCTION return; with a block IF open they raise
// Unterminated Block, and on their own line they end the procedure's text.
void StatementChecker::CheckProcedureEnd(const char* ending, size_t start) {
  if (region_.procedure &&
      region_.procedure->isFunction != (std::string(ending) == "END FUNCTION")) {
    Report(Severity::Warning, start,
           std::string(region_.procedure->isFunction ? "FUNCTION " : "SUB ") +
               region_.procedure->name + " ends with " + ending);
  }
  if (nesting_ == Nesting::Line) {
    for (auto block = region_.blocks.rbegin(); block != region_.blocks.rend(); ++block) {
      Report(Severity::Error, start,
             std::string(ending) + " with " + Describe(*block) + " still open (missing " +
                 CloserWord(block->kind) + "?)");
    }
    region_.blocks.clear();
    return;
  }
  if (const OpenBlock* block = InnermostOf(BlockKind::If)) {
    Report(Severity::Error, start,
           std::string(ending) + " inside the block IF of line " + std::to_string(block->line) +
               " raises Unterminated Block: use EXIT " + (ending + 4));
  }
}

// exit -> EXIT (FOR | DO | SUB | FUNCTION)
void StatementChecker::CheckExit(size_t start) {
  cursor_.SkipBlanks();
  const Keyword* keyword = cursor_.ReadKeyword();
  if (keyword == nullptr) Fail(start, "EXIT is followed by FOR, DO, SUB or FUNCTION");
  if (keyword->id == KeywordId::Sub || keyword->id == KeywordId::Function) return;
  if (keyword->id != KeywordId::For && keyword->id != KeywordId::Do) {
    Fail(start, std::string("EXIT ") + keyword->name +
                    " is no statement: EXIT FOR, EXIT DO, EXIT SUB or EXIT FUNCTION");
  }
  BlockKind kind = keyword->id == KeywordId::For ? BlockKind::For : BlockKind::Do;
  for (auto block = region_.blocks.rbegin(); block != region_.blocks.rend(); ++block) {
    if (!IsLoop(block->kind)) continue;
    if (block->kind == kind) return;
    Fail(start, std::string("EXIT ") + keyword->name + " inside " + Describe(*block) +
                    ", which it cannot leave");
  }
  Fail(start, std::string("EXIT ") + keyword->name + " outside a " + OpenerWord(kind) + " loop");
}

}  // namespace vorna::check
