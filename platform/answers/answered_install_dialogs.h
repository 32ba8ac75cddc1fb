// The install dialogs answered without a window. Each becomes a question in
// the transcript, answered from the answers file, the terminal or its default:
//
//   license Agree | license Cancel
//   drive OK | drive D | drive Cancel       (a letter selects it and presses OK)
//   path OK | path OK C:\Apps | path C:\Apps | path Cancel
//   quit Yes | quit No                      (the question every Cancel asks)
//   progress Cancel                         (optional: Cancel as the copy starts)
//
// The dialogs keep the Windows dialogs' rules: a refused OK shows its message
// box and asks again, Cancel asks the quit question and only Yes ends the
// dialog. An OK that was a default answer and was refused makes Cancel the
// next default, so that a run without answers always ends.
#pragma once

#include "platform/answers/answer_source.h"
#include "platform/install_dialogs.h"
#include "platform/interaction.h"

namespace vorna::platform {

class AnsweredInstallDialogs {
 public:
  /// Dialogs asking through answers; their message boxes go to boxes.
  AnsweredInstallDialogs(AnswerSource& answers, Interaction& boxes);

  int Licence(const LicenceDialogRequest& request);
  int Drive(const DriveDialogRequest& request);
  int Path(const PathDialogRequest& request);
  /// Runs the copy job with a bar on the transcript; the copy needs no
  /// answer (a "progress Cancel" line presses Cancel as it starts).
  int Progress(const ProgressDialogRequest& request);
  /// The quit question: "quit Yes" or "quit No"; Yes by default.
  bool ConfirmQuit();

 private:
  /// The path dialog's answer: the text to try, or nullopt for Cancel.
  std::optional<std::string> AskPath(const PathDialogRequest& request, const std::string& shown,
                                     bool okIsDefault);
  /// True when a line was typed on the terminal within the wait (a Cancel
  /// press); without a terminal the wait passes.
  bool CancelTyped(int waitMilliseconds);

  AnswerSource& answers_;
  Interaction& boxes_;
};

/// Lines of text as the transcript shows them: tabs as two blanks, at most
/// limit lines, then a line that counts the rest.
std::vector<std::string> ShownLines(const std::string& text, size_t limit);

}  // namespace vorna::platform
