// Destroying a variable while a BYREF parameter still borrows its storage
// would leave the parameter pointing at freed memory. REDIM and RUN ask
// here first and refuse with "Illegal Use" instead.
#pragma once

namespace vorna {

class Activation;
class NodeList;
class Value;

/// Raises "Illegal Use" when a parameter of any live activation is an alias
/// of variable.
void RefuseIfBorrowed(Activation& activation, const Value& variable);

/// The same for every variable of list.
void RefuseIfAnyBorrowed(Activation& activation, NodeList& list);

}  // namespace vorna
