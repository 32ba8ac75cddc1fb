// What a host gives a fresh interpreter before it loads any module: every
// statement, function and install word a script can use.
#pragma once

namespace vorna {

class Interpreter;

/// Registers the handlers of every statement and function keyword: the
/// statement families, the function library, and the install services'
/// CREATELINK, SETREGISTRY and REGISTRY.
void RegisterKeywords(Interpreter& interpreter);

/// RegisterKeywords, then the install object (first among the extensions, so
/// that its words are global names to every module) and the STDFILE type.
/// Called once for each interpreter.
void RegisterLanguage(Interpreter& interpreter);

}  // namespace vorna
