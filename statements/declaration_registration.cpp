#include "script/keywords.h"
#include "script/statement_table.h"
#include "statements/declaration_statements.h"

namespace vorna {

void RegisterDeclarationStatements(StatementTable& table) {
  StatementHandler* h = table.handlers;
  h[kw::Dim] = DimStatement;
  h[kw::ReDim] = ReDimStatement;
  h[kw::Let] = LetStatement;
  h[kw::LSet] = LSetStatement;
  h[kw::RSet] = RSetStatement;
  h[kw::Option] = OptionStatement;
}

}  // namespace vorna
