// Message boxes and dialogs answered without a window: each becomes a
// question in the transcript, answered from the answers file, the terminal
// or the default button (see AnswerSource). The portable runner asks every
// question this way; the runtime does in an unattended run (-A), where no
// window may appear.
#pragma once

#include <functional>
#include <string>

#include "platform/answers/answer_source.h"
#include "platform/answers/answered_install_dialogs.h"
#include "platform/interaction.h"

namespace vorna::platform {

class AnsweredInteraction : public Interaction {
 public:
  /// Called when an answers-file line does not fit its question, or when
  /// nothing may answer a question (UnansweredQuestion); the host ends the
  /// run there. Should it return, the question counts as failed (0 /
  /// ErrorAnswer::Failed / quit / cancelled).
  using BadAnswerHandler = std::function<void(const AnswersError& error)>;

  AnsweredInteraction(AnswerSource& answers, BadAnswerHandler onBadAnswer);

  int MessageBox(Owner owner, const std::string& text, const std::string& caption,
                 unsigned style) override;
  ErrorAnswer ErrorDialog(const ErrorReport& report) override;
  /// Asks for a line of text; the answer is cut to kInputAnswerLength characters.
  std::optional<std::string> InputDialog(const std::string& prompt) override;
  bool OpenFileDialog(FileDialogRecord& record) override;
  bool SaveFileDialog(FileDialogRecord& record) override;

  // The install dialogs (answered_install_dialogs.h).
  int LicenceDialog(const LicenceDialogRequest& request) override;
  int DriveDialog(const DriveDialogRequest& request) override;
  int PathDialog(const PathDialogRequest& request) override;
  int ProgressDialog(const ProgressDialogRequest& request) override;
  bool ConfirmQuit() override;
  /// Notes in the transcript that the backdrop was shown or hidden; nothing is painted.
  void ShowBackdrop(bool visible) override;

 private:
  /// Runs a question; a bad answer goes to the handler and failed is answered.
  template <typename Question, typename Answer>
  Answer Guarded(Question question, Answer failed);

  AnswerSource& answers_;
  BadAnswerHandler onBadAnswer_;
  AnsweredInstallDialogs installDialogs_{answers_, *this};
};

/// Splits a box text into its lines, so that each shows indented in the transcript.
std::vector<std::string> TextLines(const std::string& text);

}  // namespace vorna::platform
