#include "platform/answers/answered_interaction.h"

#include <utility>

#include "platform/answers/answered_file_dialog.h"
#include "platform/answers/message_box_style.h"

namespace vorna::platform {

std::vector<std::string> TextLines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (text[i] == '\n' || text[i] == '\r') {
      lines.emplace_back();
    } else {
      lines.back().push_back(text[i]);
    }
  }
  return lines;
}

AnsweredInteraction::AnsweredInteraction(AnswerSource& answers, BadAnswerHandler onBadAnswer)
    : answers_(answers), onBadAnswer_(std::move(onBadAnswer)) {}

template <typename Question, typename Answer>
Answer AnsweredInteraction::Guarded(Question question, Answer failed) {
  try {
    return question();
  } catch (const AnswersError& error) {
    onBadAnswer_(error);
    return failed;
  }
}

int AnsweredInteraction::MessageBox(Owner /*owner*/, const std::string& text,
                                    const std::string& caption, unsigned style) {
  ChoiceQuestion question{question::kMessageBox, caption, TextLines(text), ButtonsOf(style), 0, ""};
  question.defaultChoice = DefaultButtonOf(style, question.choices.size());
  if (const char* icon = IconNameOf(style)) question.note = std::string(icon) + " icon";
  return Guarded([&] { return answers_.Choose(question); }, 0);
}

ErrorAnswer AnsweredInteraction::ErrorDialog(const ErrorReport& report) {
  ChoiceQuestion question{question::kErrorDialog,
                          "ERROR",
                          {"An error has occured in this application.", "module: " + report.module,
                           "procedure: " + report.procedure, "message: " + report.message,
                           "statement: " + report.statement},
                          {{"Abort", static_cast<int>(ErrorAnswer::Abort)},
                           {"Ignore", static_cast<int>(ErrorAnswer::Ignore)},
                           {"Retry", static_cast<int>(ErrorAnswer::Retry)}},
                          0,
                          ""};
  // Debug is offered only when a debugger can take over.
  if (report.debugEnabled) question.choices.push_back({"Debug", int(ErrorAnswer::Debug)});
  return Guarded([&] { return static_cast<ErrorAnswer>(answers_.Choose(question)); },
                 ErrorAnswer::Failed);
}

int AnsweredInteraction::LicenceDialog(const LicenceDialogRequest& request) {
  return Guarded([&] { return installDialogs_.Licence(request); }, kDialogQuit);
}

int AnsweredInteraction::DriveDialog(const DriveDialogRequest& request) {
  return Guarded([&] { return installDialogs_.Drive(request); }, kDialogQuit);
}

int AnsweredInteraction::PathDialog(const PathDialogRequest& request) {
  return Guarded([&] { return installDialogs_.Path(request); }, kDialogQuit);
}

int AnsweredInteraction::ProgressDialog(const ProgressDialogRequest& request) {
  return Guarded([&] { return installDialogs_.Progress(request); }, kDialogQuit);
}

bool AnsweredInteraction::ConfirmQuit() {
  // A question that cannot be answered ends the dialog.
  return Guarded([&] { return installDialogs_.ConfirmQuit(); }, true);
}

void AnsweredInteraction::ShowBackdrop(bool visible) {
  answers_.transcript() << "[backdrop] " << (visible ? "shown" : "hidden") << "\n";
  answers_.transcript().Flush();
}

std::optional<std::string> AnsweredInteraction::InputDialog(const std::string& prompt) {
  TextQuestion question{question::kInputDialog, "User Input Needed", TextLines(prompt)};
  return Guarded(
      [&] {
        std::optional<std::string> answer = answers_.AskText(question);
        if (answer && answer->size() > kInputAnswerLength) answer->resize(kInputAnswerLength);
        return answer;
      },
      std::optional<std::string>());
}

bool AnsweredInteraction::OpenFileDialog(FileDialogRecord& record) {
  return Guarded([&] { return AskFileDialog(answers_, FileDialogKind::Open, record); }, false);
}

bool AnsweredInteraction::SaveFileDialog(FileDialogRecord& record) {
  return Guarded([&] { return AskFileDialog(answers_, FileDialogKind::Save, record); }, false);
}

}  // namespace vorna::platform
