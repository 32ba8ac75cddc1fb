// Function words the language reserves without giving them a meaning in
// expressions: each raises "Functionality Not Implemented". DATE, INPUT and
// TIME take their optional "$" first. TAB means something only as a PRINT
// item; in an expression it fails the same way rather than yield nothing.
#include "builtins/function_families.h"
#include "script/activation.h"
#include "script/function_table.h"
#include "script/keywords.h"
#include "values/errors.h"

namespace vorna {

namespace {

void NotImplemented(Activation&, Value&) {
  Raise(errorNumbers::FunctionalityNotImplemented);
}

void NotImplementedAfterDollar(Activation& activation, Value&) {
  activation.cursor().MatchChar('$');
  Raise(errorNumbers::FunctionalityNotImplemented);
}

}  // namespace

void RegisterReservedFunctions(FunctionTable& table) {
  for (KeywordId id : {KeywordId::Date, KeywordId::Input, KeywordId::Time})
    table.Register(id, NotImplementedAfterDollar);
  for (KeywordId id :
       {KeywordId::FileAttr, KeywordId::Loc, KeywordId::Spc, KeywordId::Strig, KeywordId::Tab}) {
    table.Register(id, NotImplemented);
  }
}

}  // namespace vorna
