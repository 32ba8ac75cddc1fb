#include "host/startup/reported_interaction.h"

namespace vorna {

namespace {

constexpr int kTryAgain = 10;
constexpr int kContinue = 11;

const char* ErrorAnswerName(platform::ErrorAnswer answer) {
  switch (answer) {
    case platform::ErrorAnswer::Abort:
      return "Abort";
    case platform::ErrorAnswer::Ignore:
      return "Ignore";
    case platform::ErrorAnswer::Retry:
      return "Retry";
    case platform::ErrorAnswer::Debug:
      return "Debug";
    case platform::ErrorAnswer::Failed:
      break;
  }
  return "(the dialog failed)";
}

std::string DialogEnd(int ended, const std::string& accepted) {
  return ended == platform::kDialogAccepted ? accepted : "quit";
}

std::string TextAnswer(const std::optional<std::string>& text) {
  return text ? "OK \"" + *text + "\"" : "Cancel";
}

}  // namespace

std::string ButtonName(int id) {
  switch (id) {
    case platform::id::Ok:
      return "OK";
    case platform::id::Cancel:
      return "Cancel";
    case platform::id::Abort:
      return "Abort";
    case platform::id::Retry:
      return "Retry";
    case platform::id::Ignore:
      return "Ignore";
    case platform::id::Yes:
      return "Yes";
    case platform::id::No:
      return "No";
    case kTryAgain:
      return "TryAgain";
    case kContinue:
      return "Continue";
  }
  return std::to_string(id);
}

ReportedInteraction::ReportedInteraction(platform::Interaction& inner,
                                         const platform::Platform& machine)
    : inner_(inner), machine_(machine) {}

void ReportedInteraction::Report(const char* kind, const std::string& title,
                                 const std::string& text, const std::string& answer) {
  platform::Emit(machine_, platform::event::QuestionAnswered{kind, title, text, answer});
}

void ReportedInteraction::Refused(const char* kind, const std::string& caption,
                                  const platform::OkVerdict& verdict, const std::string& answer) {
  Report(kind, caption, verdict.message, answer + " (refused)");
}

int ReportedInteraction::MessageBox(platform::Owner owner, const std::string& text,
                                    const std::string& caption, unsigned style) {
  int answer = inner_.MessageBox(owner, text, caption, style);
  Report(platform::question::kMessageBox, caption, text, ButtonName(answer));
  return answer;
}

platform::ErrorAnswer ReportedInteraction::ErrorDialog(const platform::ErrorReport& report) {
  platform::ErrorAnswer answer = inner_.ErrorDialog(report);
  Report(platform::question::kErrorDialog, "ERROR", report.message, ErrorAnswerName(answer));
  return answer;
}

bool ReportedInteraction::OpenFileDialog(platform::FileDialogRecord& record) {
  bool chosen = inner_.OpenFileDialog(record);
  Report(platform::question::kOpenFile, record.title ? record.title : "", "",
         chosen ? TextAnswer(std::string(record.file)) : "Cancel");
  return chosen;
}

bool ReportedInteraction::SaveFileDialog(platform::FileDialogRecord& record) {
  bool chosen = inner_.SaveFileDialog(record);
  Report(platform::question::kSaveFile, record.title ? record.title : "", "",
         chosen ? TextAnswer(std::string(record.file)) : "Cancel");
  return chosen;
}

std::optional<std::string> ReportedInteraction::InputDialog(const std::string& prompt) {
  std::optional<std::string> answer = inner_.InputDialog(prompt);
  Report(platform::question::kInputDialog, "User Input Needed", prompt, TextAnswer(answer));
  return answer;
}

int ReportedInteraction::LicenceDialog(const platform::LicenceDialogRequest& request) {
  int ended = inner_.LicenceDialog(request);
  Report(platform::question::kLicence, platform::kLicenceCaption, "", DialogEnd(ended, "Agree"));
  return ended;
}

int ReportedInteraction::DriveDialog(const platform::DriveDialogRequest& request) {
  // The letter that OK was accepted for is the answer.
  char accepted = 0;
  platform::DriveDialogRequest watched = request;
  watched.onOk = [&](char letter) {
    platform::OkVerdict verdict = request.onOk(letter);
    std::string answer = std::string("OK, drive ") + letter;
    if (verdict.accepted) accepted = letter;
    if (!verdict.accepted) Refused(platform::question::kDrive, request.caption, verdict, answer);
    return verdict;
  };
  int ended = inner_.DriveDialog(watched);
  Report(platform::question::kDrive, request.caption, "",
         DialogEnd(ended, std::string("OK, drive ") + accepted));
  return ended;
}

int ReportedInteraction::PathDialog(const platform::PathDialogRequest& request) {
  std::string accepted;
  platform::PathDialogRequest watched = request;
  watched.onOk = [&](const std::string& path) {
    platform::OkVerdict verdict = request.onOk(path);
    if (verdict.accepted) accepted = path;
    if (!verdict.accepted)
      Refused(platform::question::kPath, request.caption, verdict, TextAnswer(path));
    return verdict;
  };
  int ended = inner_.PathDialog(watched);
  Report(platform::question::kPath, request.caption, "", DialogEnd(ended, TextAnswer(accepted)));
  return ended;
}

int ReportedInteraction::ProgressDialog(const platform::ProgressDialogRequest& request) {
  // The copy's own events tell how it went; only a quit is an answer.
  int ended = inner_.ProgressDialog(request);
  if (ended != platform::kDialogAccepted) {
    Report(platform::question::kProgress, request.caption, "", "quit");
  }
  return ended;
}

bool ReportedInteraction::ConfirmQuit() {
  bool quit = inner_.ConfirmQuit();
  Report(platform::question::kQuit, platform::kQuitCaption, platform::kQuitText,
         quit ? "Yes" : "No");
  return quit;
}

void ReportedInteraction::ShowBackdrop(bool visible) {
  inner_.ShowBackdrop(visible);
}

std::string ReportedInteraction::MessageString(platform::InstallString id) {
  return inner_.MessageString(id);
}

}  // namespace vorna
