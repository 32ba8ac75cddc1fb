// Message boxes and dialogs on Windows, from the program's dialog resources.
#pragma once

#include "platform/interaction.h"

namespace vorna::platform {

class Win32Interaction : public Interaction {
 public:
  int MessageBox(Owner owner, const std::string& text, const std::string& caption,
                 unsigned style) override;
  /// Runs the "ERROR" dialog; ErrorAnswer::Failed when it cannot be created.
  ErrorAnswer ErrorDialog(const ErrorReport& report) override;
  /// Runs the "INPUT" dialog (see input_dialog.h).
  std::optional<std::string> InputDialog(const std::string& prompt) override;
};

}  // namespace vorna::platform
