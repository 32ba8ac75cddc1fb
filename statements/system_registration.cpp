#include "script/keywords.h"
#include "script/statement_table.h"
#include "statements/statement_families.h"
#include "statements/system_statements.h"

namespace vorna {

void RegisterSystemStatements(StatementTable& table) {
  table.Register(KeywordId::Kill, RunKill);
  table.Register(KeywordId::Name, RunName);
  table.Register(KeywordId::MkDir, RunMkDir);
  table.Register(KeywordId::RmDir, RunRmDir);
  table.Register(KeywordId::ChDir, RunChDir);
  table.Register(KeywordId::MsgBox, RunMsgBox);
  table.Register(KeywordId::Beep, RunBeep);
  table.Register(KeywordId::Sleep, RunSleep);
  table.Register(KeywordId::Randomize, RunRandomize);
}

}  // namespace vorna
