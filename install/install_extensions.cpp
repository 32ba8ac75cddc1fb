#include "install/install_extensions.h"

#include "install/file_dialog_type.h"
#include "script/interpreter.h"

namespace vorna {

void RegisterInstallExtensions(Interpreter& interpreter) {
  interpreter.RegisterExtension(new FileDialogType);
}

}  // namespace vorna
