#include "script/interpreter.h"

#include <cstddef>

#include "platform/platform.h"
#include "script/activation.h"
#include "script/program.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {

namespace {

// Walks the extensions with a pointer of its own rather than the list's
// cursor: a member may evaluate an expression that asks the extensions again.
template <typename Ask>
bool AskEach(NodeList& extensions, Ask ask) {
  for (NamedNode* node = extensions.head(); node; node = node->next()) {
    if (ask(static_cast<Extension&>(*node))) return true;
  }
  return false;
}

}  // namespace

Interpreter::Interpreter(platform::Platform& machine) : machine_(machine) {}

Interpreter::~Interpreter() {
  // Destruction order of the run: files, variables, modules, extensions,
  // and last the console.
  files_.CloseAll();
  globals_.Clear();
  modules_.Clear();
  extensions_.Clear();
  platform::Console* console = machine_.console;
  if (consoleFlag != 0 && console != nullptr) console->Close();
  consoleFlag = 0;
}

bool Interpreter::GetMember(Activation& activation, Value& result) {
  return AskEach(extensions_, [&](Extension& e) { return e.GetMember(activation, result); });
}

bool Interpreter::SetMember(Activation& activation) {
  return AskEach(extensions_, [&](Extension& e) { return e.SetMember(activation); });
}

bool Interpreter::CallStatement(Activation& activation) {
  return AskEach(extensions_, [&](Extension& e) { return e.CallStatement(activation); });
}

std::unique_ptr<Value> Interpreter::MakeObject(Activation& activation) {
  std::unique_ptr<Value> made;
  AskEach(extensions_, [&](Extension& e) {
    made = e.MakeObject(activation);
    return made != nullptr;
  });
  return made;
}

void Interpreter::BeforeStatement() {
  AskEach(extensions_, [](Extension& e) {
    e.BeforeStatement();
    return false;
  });
}

void Interpreter::RegisterExtension(Extension* extension) {
  extensions_.Append(extension);
}

void Interpreter::Initialise() {
  globals_.Clear();
  AskEach(extensions_, [](Extension& e) {
    e.Initialise();
    return false;
  });
  for (NamedNode* node = modules_.head(); node; node = node->next()) {
    // Activations live on the heap: the native stack is kept for recursion.
    auto activation = std::make_unique<Activation>(*this, static_cast<Module*>(node));
    bool ran = activation->RunGlobalArea();
    if (!ran) {
      current_ = nullptr;
      RaiseText(kCantExecuteProgram);
    }
  }
  current_ = nullptr;
}

void Interpreter::RemoveLiveActivation(Activation* activation) {
  // Activations end in the reverse order of their start, so the search
  // from the back finds it at once.
  for (size_t index = live_.size(); index-- > 0;) {
    if (live_[index] == activation) {
      live_.erase(live_.begin() + static_cast<std::ptrdiff_t>(index));
      return;
    }
  }
}

bool Interpreter::CallFunction(Activation& caller, const char* name, Value& result) {
  return CallProcedureByName(name, result, &caller);
}

bool Interpreter::RunProcedureByName(const char* name, Value& result) {
  return CallProcedureByName(name, result, nullptr);
}

bool Interpreter::CallProcedureByName(const char* name, Value& result, Activation* caller) {
  for (NamedNode* node = modules_.head(); node; node = node->next()) {
    if (CallProcedure(*static_cast<Module*>(node), name, result, caller)) return true;
  }
  return false;
}

}  // namespace vorna
