// The install services that scripts reach through keywords of the language
// rather than through the install object: CREATELINK, SETREGISTRY and REGISTRY.
#pragma once

namespace vorna {

class FunctionTable;
class StatementTable;

/// Registers the CREATELINK and SETREGISTRY statements and the REGISTRY function.
void RegisterServiceKeywords(StatementTable& statements, FunctionTable& functions);

}  // namespace vorna
