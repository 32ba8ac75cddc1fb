#include "script/jump.h"

#include "script/activation.h"
#include "script/program.h"
#include "values/errors.h"

namespace vorna {

void JumpToLabel(Activation& activation, const char* label) {
  if (activation.module == nullptr) Raise(errorNumbers::ModuleNotLoaded);
  // Every executable line stands in some procedure, so a jump that saw only
  // the global area's labels could never reach a line of its own procedure.
  if (activation.procedure != nullptr && label[0] != '~') {
    if (NamedNode* line = activation.procedure->lines().FindByName(label)) {
      activation.currentLine = static_cast<ProgramLine*>(line);
      return;
    }
  }
  activation.currentLine = FindLabel(*activation.module, label);
}

}  // namespace vorna
