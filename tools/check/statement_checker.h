// Reading statements the way the runtime reads them, without running them:
// the statement loop and its dispatch by first word, the operands of every
// statement, expressions and calls, blocks and labels. The text is walked
// with the runtime's own statement cursor and keyword table, so words,
// names and literals are taken apart exactly as the runtime takes them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "script/keywords.h"
#include "script/statement_cursor.h"
#include "tools/check/check_run.h"
#include "values/errors.h"

namespace vorna::check {

/// The kinds of block a procedure opens and closes.
enum class BlockKind { If, For, While, Do, Select };

/// A block that is open at the statement being read.
struct OpenBlock {
  BlockKind kind;
  int line;              // from 1
  int column;            // from 1
  std::string variable;  // FOR: the loop variable
  bool doCondition = false;
  bool sawElse = false;
};

/// One region of a module whose statements run together: the global area or
/// one procedure.
struct Region {
  explicit Region(ModuleSource& module, const ProcedureInfo* info = nullptr,
                  const ProgramLine* node = nullptr)
      : source(module), procedure(info), procedureNode(node) {}

  ModuleSource& source;
  const ProcedureInfo* procedure = nullptr;    // nullptr: the global area
  const ProgramLine* procedureNode = nullptr;  // its node, for its labels
  std::vector<OpenBlock> blocks;
};

/// Whether a member is read or assigned.
enum class MemberUse { Read, Write };

/// Where the statements being read stand.
enum class Nesting {
  Line,      // the statements of a line
  ThenPart,  // after THEN of a single-line IF
  ElsePart,  // after ELSE of a single-line IF
};

class StatementChecker {
 public:
  /// Reads text (part of line's text, starting base characters into it).
  StatementChecker(CheckRun& run, Region& region, const ProgramLine& line, const std::string& text,
                   size_t base, Nesting nesting);

  /// Checks every statement of a procedure's line.
  void CheckLine();
  /// Checks a line of the global area, where only DIM may stand.
  void CheckGlobalLine();
  /// Reads the procedure header that is the line (SUB or FUNCTION, name,
  /// parameters, result type) and answers what it declares.
  ProcedureInfo ReadHeader(const std::string& module);
  /// Checks the statements from position to the end of the text.
  void CheckStatementsFrom(size_t position);

 private:
  /// Thrown after a reported error: the rest of the statement is skipped.
  struct Abandon {};

  // Positions are offsets into the text read; "start" is where the
  // statement (or the operand) being read begins.

  // Reporting (statement_checker.cpp).
  /// Adds a diagnostic at a position of the text.
  void Report(Severity severity, size_t position, const std::string& message);
  /// Reports an error and abandons the statement.
  [[noreturn]] void Fail(size_t position, const std::string& message);
  /// Fail at the cursor.
  [[noreturn]] void FailHere(const std::string& message) { Fail(cursor_.Save(), message); }
  /// Reports a script error that a cursor primitive raised.
  void ReportScriptError(errorNumbers number, size_t position);

  // The statement loop and dispatch (statement_checker.cpp).
  /// statement -> keyword statement | assignment | member statement | call
  void CheckOneStatement();
  /// Moves the cursor to the next ":" outside literals, or to the end.
  void SkipToNextStatement();
  /// The text from the cursor on, for a message to quote: without the
  /// blanks the line kept before its comment.
  std::string QuotedRest() const;
  /// What follows a complete statement: ":", the end, or text the runtime skips.
  void CheckStatementEnd(const Keyword* keyword);
  /// A statement that starts with a keyword.
  void CheckKeywordStatement(const Keyword& keyword, size_t start);
  /// A statement that starts with a name.
  void CheckNonKeywordStatement(size_t start);
  /// target = expression
  void CheckAssignment();
  /// The indices or the member after an assigned name.
  void CheckAssignmentTarget(const std::string& name, size_t start);
  /// The parameter list of a header, after its "(".
  void ReadParameters(ProcedureInfo& procedure);
  /// name [arguments] as a statement: a procedure call.
  void CheckNamedCall(const std::string& name, size_t start);
  /// True at ":" or the end of the text (after blanks).
  bool IsAtStatementEnd();
  /// The words a statement may start with, for suggestions.
  std::vector<std::string> StatementWords() const;

  // Statement forms (statement_forms.cpp).
  /// The operands of the statement of keyword id.
  void CheckStatementForm(KeywordId id, size_t start);
  /// count expressions separated by ",".
  void CheckExpressionList(int count);
  /// CLOSE [#]number { , [#]number }
  void CheckClose();
  /// DIM's list of declarations (several) or REDIM's one.
  void CheckDeclarations(bool several);
  /// [bounds] AS type; true for an object type.
  bool CheckDeclarationClause();
  /// A type word; true for an object type.
  bool CheckType();
  /// GET, PUT and SEEK.
  void CheckRecordStatement(KeywordId id);
  /// INPUT from a file or from the user.
  void CheckInput();
  /// LOAD, noting a literal module name.
  void CheckLoad();
  /// MSGBOX text [, caption] | MSGBOX text, style, caption
  void CheckMsgBox();
  /// NAME old AS new
  void CheckName();
  /// ON ERROR ... and ON index GOTO/GOSUB labels.
  void CheckOn();
  /// OPEN with its clauses.
  void CheckOpen();
  /// OPTION CONSOLE condition
  void CheckOption();
  /// PRINT and WRITE items.
  void CheckPrint();
  /// LSET and RSET.
  void CheckSet();
  /// CALL name [arguments] | CALL expression
  void CheckCall();
  /// GOTO and GOSUB.
  void CheckJump(const char* statement);
  /// Fails unless label is one the runtime finds from this procedure.
  void CheckLabelName(const std::string& label, size_t position);
  /// True when a jump from this procedure finds label.
  bool LabelExists(const std::string& label) const;
  /// The labels of this procedure, then those of the module's top list.
  std::vector<std::string> LabelNames() const;
  /// Matches keyword id, or fails with message.
  void ExpectKeyword(KeywordId id, const std::string& message);
  /// Matches c, or fails with message.
  void ExpectChar(char c, const std::string& message);
  /// A name as the runtime reads it; empty at ":" or the end.
  std::string ReadName();

  // Blocks (block_statements.cpp).
  /// IF in its block and single-line forms.
  void CheckIf(size_t start);
  /// The statements after THEN and after the letters ELSE of a single-line IF.
  void CheckSingleLineIf(size_t thenStart);
  /// ELSEIF condition THEN
  void CheckElseIf(size_t start);
  /// ELSE, ELSEIF or CASE: stands in the innermost block of kind.
  void CheckMiddle(BlockKind kind, const char* word, size_t start);
  /// FOR name = start TO limit [STEP step]
  void CheckFor(size_t start);
  /// NEXT [name]
  void CheckNext(size_t start);
  /// DO and LOOP with their conditions.
  void CheckDoOrLoop(KeywordId id, size_t start);
  /// WHILE condition
  void CheckWhile(size_t start);
  /// SELECT CASE value
  void CheckSelect(size_t start);
  /// CASE ELSE | CASE item { , item }
  void CheckCase(size_t start);
  /// IS comparison | expression [TO expression]
  void CheckCaseItem();
  /// END and its forms.
  void CheckEnd(size_t start);
  /// EXIT FOR, DO, SUB or FUNCTION.
  void CheckExit(size_t start);
  /// END SUB or END FUNCTION: no block may be left open.
  void CheckProcedureEnd(const char* ending, size_t start);
  /// Opens a block of kind at start.
  void OpenBlockHere(BlockKind kind, size_t start);
  /// Closes the innermost block of kind, naming blocks it leaves open.
  std::optional<OpenBlock> CloseBlock(BlockKind kind, const char* closer, size_t start);
  /// The innermost open block of kind; nullptr for none.
  OpenBlock* InnermostOf(BlockKind kind);

  // Expressions and calls (expression_checker.cpp).
  /// expression -> [+ | -] [NOT] term { (OR | AND | - | + | &) term }
  void CheckExpression();
  /// term -> factor MOD factor | factor { comparison-or-product factor }
  void CheckTerm();
  /// factor -> (name | literal | "(" expression ")") [^ factor]
  void CheckFactor();
  /// A name as an operand, in the evaluator's order of lookup.
  void CheckNameOperand();
  /// A word of the install object with its arguments; false when none is here.
  bool CheckInstallMember(size_t start);
  /// A keyword as an operand: a function, a constant, or a mistake.
  void CheckKeywordOperand(const Keyword& keyword, size_t start);
  /// A built-in function in the form its shape gives.
  void CheckFunctionCall(const Keyword& keyword, size_t start);
  /// A variable with its indices or member.
  void CheckVariableOperand(const std::string& name, size_t start);
  /// "." member of a file dialog object, read or assigned.
  void CheckMember(const std::string& object, size_t start, MemberUse use);
  /// The indices of an array element.
  void CheckIndices(const std::string& name, size_t start);
  /// True when name is a parameter of this procedure.
  bool IsParameter(const std::string& name) const;
  /// Arguments up to close; answers how many.
  int CheckArgumentList(char close);
  /// A call of a script procedure with its arguments.
  void CheckProcedureCall(const ProcedureInfo& procedure, size_t start, bool statement);
  /// One argument: a variable for a BYREF parameter, else an expression.
  void CheckReferenceOrValue(const ProcedureInfo& procedure, int index);
  /// Fails unless given lies in least..most.
  void CheckArgumentCount(const std::string& name, int given, int least, int most, size_t start);
  /// The literal entry of ASKLICENSE and folder name of SPECIALFOLDER.
  void CheckLiteralArgument(const std::string& member, size_t start);
  /// number -> [+ | -] digits [. digits] [E [+ | -] digits]
  void CheckNumberLiteral();
  /// A quoted text.
  void CheckStringLiteral();
  /// Reads a string literal at the cursor into text; false when none is here.
  bool PeekLiteral(std::string* text);

  CheckRun& run_;
  Region& region_;
  const ProgramLine& line_;
  size_t base_;
  Nesting nesting_;
  StatementCursor cursor_;
  bool inCaseItem_ = false;
  // The indices being read belong to the target of an assignment.
  bool assigning_ = false;
  // A then-part cut short before the letters ELSE: at runtime more follows.
  bool elseFollows_ = false;
};

}  // namespace vorna::check
