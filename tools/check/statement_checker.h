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

  // Reporting (statement_checker.cpp).
  void Report(Severity severity, size_t position, const std::string& message);
  [[noreturn]] void Fail(size_t position, const std::string& message);
  [[noreturn]] void FailHere(const std::string& message) { Fail(cursor_.Save(), message); }
  void ReportScriptError(errorNumbers number, size_t position);

  // The statement loop and dispatch (statement_checker.cpp).
  void CheckOneStatement();
  void SkipToNextStatement();
  void CheckStatementEnd(const Keyword* keyword);
  void CheckKeywordStatement(const Keyword& keyword, size_t start);
  void CheckNonKeywordStatement(size_t start);
  void CheckAssignment(size_t start);
  void CheckAssignmentTarget(const std::string& name, size_t start);
  void ReadParameters(ProcedureInfo& procedure);
  void CheckNamedCall(const std::string& name, size_t start);
  bool IsAtStatementEnd();
  std::vector<std::string> StatementWords() const;

  // Statement forms (statement_forms.cpp).
  void CheckStatementForm(KeywordId id, size_t start);
  void CheckExpressionList(int count);
  void CheckClose();
  void CheckDeclarations(bool several);
  bool CheckDeclarationClause();
  bool CheckType();
  void CheckFileNumber(bool hashRequired);
  void CheckRecordStatement(KeywordId id);
  void CheckInput();
  void CheckLoad();
  void CheckMsgBox();
  void CheckName();
  void CheckOn();
  void CheckOpen();
  void CheckOption();
  void CheckPrint();
  void CheckSet();
  void CheckCall();
  void CheckJump(const char* statement);
  void CheckLabelName(const std::string& label, size_t position);
  bool LabelExists(const std::string& label) const;
  std::vector<std::string> LabelNames() const;
  void ExpectKeyword(KeywordId id, const std::string& message);
  void ExpectChar(char c, const std::string& message);
  std::string ReadName();

  // Blocks (block_statements.cpp).
  void CheckIf(size_t start);
  void CheckSingleLineIf(size_t thenEnd);
  void CheckElseIf(size_t start);
  void CheckMiddle(BlockKind kind, const char* word, size_t start);
  void CheckFor(size_t start);
  void CheckNext(size_t start);
  void CheckDoOrLoop(KeywordId id, size_t start);
  void CheckWhile(size_t start);
  void CheckSelect(size_t start);
  void CheckCase(size_t start);
  void CheckCaseItem();
  void CheckEnd(size_t start);
  void CheckExit(size_t start);
  void CheckProcedureEnd(const char* ending, size_t start);
  void OpenBlockHere(BlockKind kind, size_t start);
  std::optional<OpenBlock> CloseBlock(BlockKind kind, const char* closer, size_t start);
  OpenBlock* InnermostOf(BlockKind kind);

  // Expressions and calls (expression_checker.cpp).
  void CheckExpression();
  void CheckTerm();
  void CheckFactor();
  void CheckNameOperand();
  bool CheckInstallMember(size_t start);
  void CheckKeywordOperand(const Keyword& keyword, size_t start);
  void CheckFunctionCall(const Keyword& keyword, size_t start);
  void CheckVariableOperand(const std::string& name, size_t start);
  void CheckMember(const std::string& object, size_t start, MemberUse use);
  void CheckIndices(const std::string& name, size_t start);
  bool IsParameter(const std::string& name) const;
  int CheckArgumentList(char close);
  void CheckProcedureCall(const ProcedureInfo& procedure, size_t start, bool statement);
  void CheckReferenceOrValue(const ProcedureInfo& procedure, int index);
  void CheckArgumentCount(const std::string& name, int given, int least, int most, size_t start);
  void CheckLiteralArgument(const std::string& member, size_t start);
  void CheckNumberLiteral();
  void CheckStringLiteral();
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
