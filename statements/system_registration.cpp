#include "script/keywords.h"
#include "script/statement_table.h"
#include "statements/system_statements.h"

namespace vorna {

void RegisterSystemStatements(StatementTable& table) {
  table.handlers[kw::Kill] = RunKill;
  table.handlers[kw::Name] = RunName;
  table.handlers[kw::MkDir] = RunMkDir;
  table.handlers[kw::RmDir] = RunRmDir;
  table.handlers[kw::ChDir] = RunChDir;
  table.handlers[kw::MsgBox] = RunMsgBox;
  table.handlers[kw::Beep] = RunBeep;
  table.handlers[kw::Sleep] = RunSleep;
  table.handlers[kw::Randomize] = RunRandomize;
  table.handlers[kw::CreateLink] = RunCreateLink;
  table.handlers[kw::SetRegistry] = RunSetRegistry;
}

}  // namespace vorna
