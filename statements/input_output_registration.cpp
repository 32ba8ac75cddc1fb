#include "script/keywords.h"
#include "script/statement_table.h"
#include "statements/file_statements.h"
#include "statements/statement_families.h"

namespace vorna {

// The file statements and INPUT.
void RegisterInputOutputStatements(StatementTable& table) {
  table.Register(KeywordId::Open, OpenStatement);
  table.Register(KeywordId::Close, CloseStatement);
  table.Register(KeywordId::Reset, ResetStatement);
  table.Register(KeywordId::Get, GetStatement);
  table.Register(KeywordId::Put, PutStatement);
  table.Register(KeywordId::Seek, SeekStatement);
  table.Register(KeywordId::Input, InputStatement);
}

}  // namespace vorna
