// The extensions that the install services give the interpreter: the words a
// host registers once, before the modules are loaded.
#pragma once

namespace vorna {

class Interpreter;

/// Registers, in this order, SPECIALFOLDER (until the install object, which
/// will answer it among its own words, takes its place) and the STDFILE type
/// (last, so that it is asked after every other extension).
void RegisterInstallExtensions(Interpreter& interpreter);

}  // namespace vorna
