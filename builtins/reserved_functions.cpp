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
  for (int32_t id : {kw::Date, kw::Input, kw::Time}) table.handlers[id] = NotImplementedAfterDollar;
  for (int32_t id : {kw::FileAttr, kw::Loc, kw::Seek, kw::Spc, kw::Strig, kw::Tab}) {
    table.handlers[id] = NotImplemented;
  }
}

}  // namespace vorna
