#include "script/interpreter.h"

#include "script/errors.h"
#include "values/value.h"

namespace vorna {

namespace {

std::atomic<Interpreter*> gCurrentInterpreter{nullptr};

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

Interpreter::Interpreter() {
  gCurrentInterpreter.store(this);
}

Interpreter::~Interpreter() {
  Interpreter* self = this;
  gCurrentInterpreter.compare_exchange_strong(self, nullptr);
  // Destruction order of the run: variables, then modules, then extensions.
  globals_.Clear();
  modules_.Clear();
  extensions_.Clear();
}

Interpreter* Interpreter::Current() {
  return gCurrentInterpreter.load();
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

bool Interpreter::CallFunction(Activation&, const char*, Value&) {
  return false;
}

}  // namespace vorna
