#include <initializer_list>

#include "script/keywords.h"
#include "script/statement_table.h"
#include "statements/control_flow.h"
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

// SYSTEM is accepted and does nothing.
StatementEnd SystemStatement(Activation&) {
  return StatementEnd::Continue;
}

}  // namespace

void RegisterControlFlowStatements(StatementTable& table) {
  StatementHandler* h = table.handlers;
  h[kw::Call] = CallStatement;
  h[kw::Case] = CaseStatement;
  for (int32_t id : {kw::Cls, kw::Const, kw::Erase, kw::Lock, kw::Shared, kw::Static, kw::Type,
                     kw::Unlock, kw::Width}) {
    h[id] = NotImplementedStatement;
  }
  h[kw::Do] = DoStatement;
  h[kw::Else] = ElseStatement;
  h[kw::ElseIf] = ElseIfStatement;
  h[kw::End] = EndStatement;
  h[kw::EndIf] = EndIfStatement;
  h[kw::Exit] = ExitStatement;
  h[kw::For] = ForStatement;
  h[kw::Function] = ProcedureHeaderStatement;
  h[kw::Sub] = ProcedureHeaderStatement;
  h[kw::System] = SystemStatement;
  h[kw::GoSub] = GosubStatement;
  h[kw::GoTo] = GotoStatement;
  h[kw::If] = IfStatement;
  h[kw::Load] = LoadStatement;
  h[kw::Loop] = LoopStatement;
  h[kw::Next] = NextStatement;
  h[kw::On] = OnStatement;
  h[kw::Rem] = RemStatement;
  h[kw::Return] = ReturnStatement;
  h[kw::Run] = RunStatement;
  h[kw::Select] = SelectStatement;
  h[kw::Stop] = StopStatement;
  h[kw::Wend] = WendStatement;
  h[kw::While] = WhileStatement;
}

}  // namespace vorna
