#include "platform/portable/portable_interaction.h"

#include <utility>

#include "platform/portable/message_box_style.h"
#include "platform/portable/portable_file_dialog.h"

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

PortableInteraction::PortableInteraction(AnswerSource& answers, BadAnswerHandler onBadAnswer)
    : answers_(answers), onBadAnswer_(std::move(onBadAnswer)) {}

int PortableInteraction::MessageBox(Owner /*owner*/, const std::string& text,
                                    const std::string& caption, unsigned style) {
  ChoiceQuestion question{question::kMessageBox, "\"" + caption + "\"", TextLines(text),
                          ButtonsOf(style), 0};
  question.defaultChoice = DefaultButtonOf(style, question.choices.size());
  if (const char* icon = IconNameOf(style)) question.title += std::string(" (") + icon + " icon)";
  try {
    return answers_.Choose(question);
  } catch (const AnswersError& error) {
    onBadAnswer_(error.what());
    return 0;
  }
}

ErrorAnswer PortableInteraction::ErrorDialog(const ErrorReport& report) {
  ChoiceQuestion question{question::kErrorDialog,
                          "\"ERROR\"",
                          {"An error has occured in this application.", "module: " + report.module,
                           "procedure: " + report.procedure, "message: " + report.message,
                           "statement: " + report.statement},
                          {{"Abort", static_cast<int>(ErrorAnswer::Abort)},
                           {"Ignore", static_cast<int>(ErrorAnswer::Ignore)},
                           {"Retry", static_cast<int>(ErrorAnswer::Retry)}},
                          0};
  // Debug is offered only when a debugger can take over.
  if (report.debugEnabled) question.choices.push_back({"Debug", int(ErrorAnswer::Debug)});
  try {
    return static_cast<ErrorAnswer>(answers_.Choose(question));
  } catch (const AnswersError& error) {
    onBadAnswer_(error.what());
    return ErrorAnswer::Failed;
  }
}

template <typename Dialog>
int PortableInteraction::Guarded(Dialog dialog) {
  try {
    return dialog();
  } catch (const AnswersError& error) {
    onBadAnswer_(error.what());
    return kDialogQuit;
  }
}

int PortableInteraction::LicenceDialog(const LicenceDialogRequest& request) {
  return Guarded([&] { return installDialogs_.Licence(request); });
}

int PortableInteraction::DriveDialog(const DriveDialogRequest& request) {
  return Guarded([&] { return installDialogs_.Drive(request); });
}

int PortableInteraction::PathDialog(const PathDialogRequest& request) {
  return Guarded([&] { return installDialogs_.Path(request); });
}

int PortableInteraction::ProgressDialog(const ProgressDialogRequest& request) {
  return Guarded([&] { return installDialogs_.Progress(request); });
}

bool PortableInteraction::ConfirmQuit() {
  try {
    return installDialogs_.ConfirmQuit();
  } catch (const AnswersError& error) {
    onBadAnswer_(error.what());
    return true;  // a question that cannot be answered ends the dialog
  }
}

void PortableInteraction::ShowBackdrop(bool visible) {
  answers_.transcript() << "[backdrop] " << (visible ? "shown" : "hidden") << "\n";
  answers_.transcript().flush();
}

std::optional<std::string> PortableInteraction::InputDialog(const std::string& prompt) {
  TextQuestion question{question::kInputDialog, "\"User Input Needed\"", TextLines(prompt)};
  try {
    std::optional<std::string> answer = answers_.AskText(question);
    if (answer && answer->size() > kInputAnswerLength) answer->resize(kInputAnswerLength);
    return answer;
  } catch (const AnswersError& error) {
    onBadAnswer_(error.what());
    return std::nullopt;
  }
}

bool PortableInteraction::OpenFileDialog(FileDialogRecord& record) {
  try {
    return AskFileDialog(answers_, FileDialogKind::Open, record);
  } catch (const AnswersError& error) {
    onBadAnswer_(error.what());
    return false;
  }
}

bool PortableInteraction::SaveFileDialog(FileDialogRecord& record) {
  try {
    return AskFileDialog(answers_, FileDialogKind::Save, record);
  } catch (const AnswersError& error) {
    onBadAnswer_(error.what());
    return false;
  }
}

}  // namespace vorna::platform
