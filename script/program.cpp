#include "script/program.h"

#include <string>

#include "values/char_class.h"
#include "values/errors.h"

namespace vorna {

// True when node is named "~" followed by name in any case.
static bool IsProcedureNamed(const NamedNode& node, const char* name) {
  const char* nodeName = node.name();
  if (nodeName == nullptr || nodeName[0] != '~') return false;
  for (++nodeName; *nodeName != '\0'; ++nodeName, ++name) {
    if (*nodeName != ToUpper(*name)) return false;
  }
  return *name == '\0';
}

ProgramLine* FindProcedure(Module& module, const char* name) {
  // Every name an expression reads is first tried as a FUNCTION, so this
  // walk runs for nearly every variable read: it builds no key.
  NodeList& top = module.top();
  for (NamedNode* node = top.head(); node; node = node->next()) {
    if (IsProcedureNamed(*node, name)) {
      top.setCursor(node);
      return static_cast<ProgramLine*>(node);
    }
  }
  top.setCursor(nullptr);
  return nullptr;
}

ProgramLine* FindLabel(Module& module, const char* label) {
  // Procedure nodes share the top list, but a "~" name is never a label:
  // a jump must not land on a procedure's header.
  NamedNode* line = label[0] == '~' ? nullptr : module.top().FindByName(label);
  if (line == nullptr) Raise(errorNumbers::UndefinedLabel);
  return static_cast<ProgramLine*>(line);
}

ProcedureRef FindProcedureInModules(NodeList& modules, const char* name) {
  for (NamedNode* node = modules.head(); node; node = node->next()) {
    Module* module = static_cast<Module*>(node);
    if (ProgramLine* procedure = FindProcedure(*module, name)) return {module, procedure};
  }
  return {};
}

}  // namespace vorna
