// The extensions that the install services give the interpreter: the words a
// host registers once, before the modules are loaded.
#pragma once

namespace vorna {

class Interpreter;

/// Registers the STDFILE type. Start-up calls it after registering the install
/// object, so the type word is asked after every other extension.
void RegisterInstallExtensions(Interpreter& interpreter);

}  // namespace vorna
