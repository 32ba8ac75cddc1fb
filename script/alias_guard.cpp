#include "script/alias_guard.h"

#include "script/activation.h"
#include "script/interpreter.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {

namespace {

bool IsBorrowedIn(NodeList& locals, const Value& variable) {
  for (NamedNode* node = locals.head(); node; node = node->next()) {
    if (static_cast<Value*>(node)->BorrowsFrom(variable)) return true;
  }
  return false;
}

}  // namespace

void RefuseIfBorrowed(Activation& activation, const Value& variable) {
  // Destroying an alias frees nothing.
  if (variable.isAlias()) return;
  // Aliases are parameters, so they live only in the own locals of
  // procedure activations; one still being bound counts too.
  for (Activation* live : activation.interpreter().liveActivations()) {
    if (!live->localsAreGlobals() && IsBorrowedIn(live->locals(), variable)) {
      Raise(errorNumbers::IllegalUse);
    }
  }
}

void RefuseIfAnyBorrowed(Activation& activation, NodeList& list) {
  for (NamedNode* node = list.head(); node; node = node->next()) {
    RefuseIfBorrowed(activation, *static_cast<Value*>(node));
  }
}

}  // namespace vorna
