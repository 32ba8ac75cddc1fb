#include "script/program.h"

#include <string>

#include "script/char_class.h"
#include "script/errors.h"

namespace vorna {

ProgramLine* FindProcedure(Module& module, const char* name) {
  std::string key = "~";
  for (const char* p = name; *p; ++p) key += ToUpper(*p);
  return static_cast<ProgramLine*>(module.top().FindByName(key.c_str()));
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
