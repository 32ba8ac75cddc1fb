#include "script/statement_table.h"

#include "values/errors.h"

namespace vorna {

StatementEnd StatementTable::Run(KeywordId id, Activation& activation) const {
  StatementHandler handler = Find(id);
  if (handler == nullptr) Raise(errorNumbers::FunctionalityNotImplemented);
  return handler(activation);
}

}  // namespace vorna
