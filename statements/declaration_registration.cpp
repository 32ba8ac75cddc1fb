#include "script/keywords.h"
#include "script/statement_table.h"
#include "statements/declaration_statements.h"
#include "statements/statement_families.h"

namespace vorna {

void RegisterDeclarationStatements(StatementTable& table) {
  table.Register(KeywordId::Dim, DimStatement);
  table.Register(KeywordId::ReDim, ReDimStatement);
  table.Register(KeywordId::Let, LetStatement);
  table.Register(KeywordId::LSet, LSetStatement);
  table.Register(KeywordId::RSet, RSetStatement);
  table.Register(KeywordId::Option, OptionStatement);
}

}  // namespace vorna
