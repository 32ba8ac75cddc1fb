#include <initializer_list>

#include "script/keywords.h"
#include "script/statement_table.h"
#include "statements/control_flow.h"
#include "statements/statement_families.h"
#include "values/errors.h"

namespace vorna {

namespace {

// Keywords of the language that no script may use yet.
StatementEnd NotImplementedStatement(Activation&) {
  Raise(errorNumbers::FunctionalityNotImplemented);
}

// Procedure headers run as the first line of their procedure; their
// parameters were read by the call.
StatementEnd ProcedureHeaderStatement(Activation&) {
  return StatementEnd::Advance;
}

// RESUME is a statement row of the table, but a name lookup answers its
// clause row first, so the dispatcher refuses it before it gets here; the
// handler answers as that refusal does.
StatementEnd ResumeStatement(Activation&) {
  Raise(errorNumbers::InvalidUseOfKeyword);
}

// SYSTEM is accepted and does nothing.
StatementEnd SystemStatement(Activation&) {
  return StatementEnd::Continue;
}

}  // namespace

void RegisterControlFlowStatements(StatementTable& table) {
  table.Register(KeywordId::Call, CallStatement);
  table.Register(KeywordId::Case, CaseStatement);
  for (KeywordId id :
       {KeywordId::Cls, KeywordId::Const, KeywordId::Erase, KeywordId::Lock, KeywordId::Shared,
        KeywordId::Static, KeywordId::Type, KeywordId::Unlock, KeywordId::Width}) {
    table.Register(id, NotImplementedStatement);
  }
  table.Register(KeywordId::Do, DoStatement);
  table.Register(KeywordId::Else, ElseStatement);
  table.Register(KeywordId::ElseIf, ElseIfStatement);
  table.Register(KeywordId::End, EndStatement);
  table.Register(KeywordId::EndIf, EndIfStatement);
  table.Register(KeywordId::Exit, ExitStatement);
  table.Register(KeywordId::For, ForStatement);
  table.Register(KeywordId::Function, ProcedureHeaderStatement);
  table.Register(KeywordId::Sub, ProcedureHeaderStatement);
  table.Register(KeywordId::System, SystemStatement);
  table.Register(KeywordId::GoSub, GosubStatement);
  table.Register(KeywordId::GoTo, GotoStatement);
  table.Register(KeywordId::If, IfStatement);
  table.Register(KeywordId::Load, LoadStatement);
  table.Register(KeywordId::Loop, LoopStatement);
  table.Register(KeywordId::Next, NextStatement);
  table.Register(KeywordId::On, OnStatement);
  table.Register(KeywordId::Rem, RemStatement);
  table.Register(KeywordId::Resume, ResumeStatement);
  table.Register(KeywordId::Return, ReturnStatement);
  table.Register(KeywordId::Run, RunStatement);
  table.Register(KeywordId::Select, SelectStatement);
  table.Register(KeywordId::Stop, StopStatement);
  table.Register(KeywordId::Wend, WendStatement);
  table.Register(KeywordId::While, WhileStatement);
}

}  // namespace vorna
