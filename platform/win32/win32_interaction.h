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

  int LicenceDialog(const LicenceDialogRequest& request) override;
  int DriveDialog(const DriveDialogRequest& request) override;
  int PathDialog(const PathDialogRequest& request) override;
  int ProgressDialog(const ProgressDialogRequest& request) override;
  bool ConfirmQuit() override;
  void ShowBackdrop(bool visible) override;
  /// Loads the string from the program's string table.
  std::string MessageString(InstallString id) override;
  /// Runs the "INPUT" dialog (see input_dialog.h).
  std::optional<std::string> InputDialog(const std::string& prompt) override;
  /// GetOpenFileNameA with the record (file_dialogs.cpp).
  bool OpenFileDialog(FileDialogRecord& record) override;
  /// GetSaveFileNameA with the record (file_dialogs.cpp).
  bool SaveFileDialog(FileDialogRecord& record) override;
};

}  // namespace vorna::platform
