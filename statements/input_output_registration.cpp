#include "script/keywords.h"
#include "script/statement_table.h"
#include "statements/file_statements.h"

namespace vorna {

// The file statements and INPUT.
void RegisterInputOutputStatements(StatementTable& table) {
  table.handlers[kw::Open] = OpenStatement;
  table.handlers[kw::Close] = CloseStatement;
  table.handlers[kw::Reset] = ResetStatement;
  table.handlers[kw::Get] = GetStatement;
  table.handlers[kw::Put] = PutStatement;
  table.handlers[kw::Seek] = SeekStatement;
  table.handlers[kw::Input] = InputStatement;
  // Registered after the print statement's own handlers, which this one
  // extends with the file form.
  table.handlers[kw::Print] = FilePrintStatement;
  table.handlers[kw::Write] = FilePrintStatement;
}

}  // namespace vorna
