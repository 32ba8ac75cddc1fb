// Message boxes and dialogs of the portable runner: each becomes a question
// in the transcript on standard error, answered from the answers file, the
// terminal or the default button (see AnswerSource).
#pragma once

#include <functional>
#include <string>

#include "platform/interaction.h"
#include "platform/portable/answer_source.h"
#include "platform/portable/portable_install_dialogs.h"

namespace vorna::platform {

class PortableInteraction : public Interaction {
 public:
  /// Called with the reason when an answers-file line does not fit its
  /// question; the runner ends the run there. Should it return, the question
  /// counts as failed (0 / ErrorAnswer::Failed).
  using BadAnswerHandler = std::function<void(const std::string& reason)>;

  PortableInteraction(AnswerSource& answers, BadAnswerHandler onBadAnswer);

  int MessageBox(Owner owner, const std::string& text, const std::string& caption,
                 unsigned style) override;
  ErrorAnswer ErrorDialog(const ErrorReport& report) override;
  /// Asks for a line of text; the answer is cut to kInputAnswerLength characters.
  std::optional<std::string> InputDialog(const std::string& prompt) override;
  bool OpenFileDialog(FileDialogRecord& record) override;
  bool SaveFileDialog(FileDialogRecord& record) override;

  // The install dialogs (portable_install_dialogs.h).
  int LicenceDialog(const LicenceDialogRequest& request) override;
  int DriveDialog(const DriveDialogRequest& request) override;
  int PathDialog(const PathDialogRequest& request) override;
  int ProgressDialog(const ProgressDialogRequest& request) override;
  bool ConfirmQuit() override;
  /// Notes in the transcript that the backdrop was shown or hidden.
  void ShowBackdrop(bool visible) override;

 private:
  /// Runs a dialog; a bad answer goes to the handler and counts as quit.
  template <typename Dialog>
  int Guarded(Dialog dialog);

  AnswerSource& answers_;
  BadAnswerHandler onBadAnswer_;
  PortableInstallDialogs installDialogs_{answers_, *this};
};

/// Splits a box text into its lines, so that each shows indented in the transcript.
std::vector<std::string> TextLines(const std::string& text);

}  // namespace vorna::platform
