#include "platform/answers/answered_install_dialogs.h"

#include <cctype>
#include <chrono>
#include <thread>

#include "platform/answers/answered_interaction.h"
#include "platform/answers/terminal_copy_progress.h"

namespace vorna::platform {

namespace {

constexpr size_t kLicenceLinesShown = 12;
constexpr int kTickMilliseconds = 100;
constexpr int kLetterIds = 100;  // drive letter choices are 100 + their index
constexpr const char* kPathLabel =
    "Please select the directory that you wish to install this program into.";

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

std::string Tabs(const std::string& text) {
  std::string shown;
  for (char c : text) shown += c == '\t' ? std::string("  ") : std::string(1, c);
  return shown;
}

bool IsWord(const std::string& text, const char* word) {
  if (text.size() != std::char_traits<char>::length(word)) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(text[i])) != word[i]) return false;
  }
  return true;
}

/// The text of a path answer: "OK", "OK text", "Cancel" or a text alone.
std::optional<std::string> PathAnswerText(const std::string& answer, const std::string& shown) {
  if (IsWord(answer, "CANCEL")) return std::nullopt;
  if (IsWord(answer, "OK")) return shown;
  if (answer.size() > 3 && IsWord(answer.substr(0, 2), "OK") &&
      (answer[2] == ' ' || answer[2] == '\t')) {
    return answer.substr(3);
  }
  return answer;
}

}  // namespace

std::vector<std::string> ShownLines(const std::string& text, size_t limit) {
  std::vector<std::string> lines = TextLines(text);
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  size_t total = lines.size();
  if (total > limit) {
    lines.resize(limit);
    lines.push_back("... (" + std::to_string(total - limit) + " more lines)");
  }
  for (std::string& line : lines) line = Tabs(line);
  return lines;
}

AnsweredInstallDialogs::AnsweredInstallDialogs(AnswerSource& answers, Interaction& boxes)
    : answers_(answers), boxes_(boxes) {}

bool AnsweredInstallDialogs::ConfirmQuit() {
  ChoiceQuestion question{
      question::kQuit, kQuitCaption, {kQuitText}, {{"Yes", 1}, {"No", 0}}, 0, ""};
  return answers_.Choose(question) == 1;
}

int AnsweredInstallDialogs::Licence(const LicenceDialogRequest& request) {
  // Cancel is the licence dialog's default button.
  ChoiceQuestion question{question::kLicence,
                          kLicenceCaption,
                          ShownLines(request.text, kLicenceLinesShown),
                          {{"Agree", kDialogAccepted}, {"Cancel", -1}},
                          1,
                          ""};
  for (;;) {
    if (answers_.Choose(question) == kDialogAccepted) return kDialogAccepted;
    if (ConfirmQuit()) return kDialogQuit;
  }
}

int AnsweredInstallDialogs::Drive(const DriveDialogRequest& request) {
  ChoiceQuestion question{question::kDrive, request.caption, {}, {{"OK", 1}, {"Cancel", 2}}, 0, ""};
  for (size_t i = 0; i < request.drives.size(); ++i) {
    question.choices.push_back({std::string(1, request.drives[i].letter), kLetterIds + int(i)});
  }
  int selected = request.preselected;
  bool refused = false;
  for (;;) {
    question.details = {request.programName, request.copyright,
                        "Where do you want to install this program:"};
    for (size_t i = 0; i < request.drives.size(); ++i) {
      question.details.push_back((int(i) == selected ? "> " : "  ") + Tabs(request.drives[i].text));
    }
    question.details.push_back(request.spaceNote);
    question.defaultChoice = selected >= 0 && !refused ? 0 : 1;
    int id = answers_.Choose(question);
    if (id == 2) {
      if (ConfirmQuit()) return kDialogQuit;
      continue;
    }
    if (id >= kLetterIds) selected = id - kLetterIds;
    if (selected < 0) {
      refused = true;  // OK with no drive selected does nothing
      continue;
    }
    OkVerdict verdict = request.onOk(request.drives[size_t(selected)].letter);
    if (verdict.accepted) return kDialogAccepted;
    boxes_.MessageBox(Owner::Backdrop, verdict.message, request.caption, mb::Ok);
    refused = true;
  }
}

std::optional<std::string> AnsweredInstallDialogs::AskPath(const PathDialogRequest& request,
                                                           const std::string& shown,
                                                           bool okIsDefault) {
  TextSink& out = answers_.transcript();
  const std::vector<std::string> details{kPathLabel, "path: " + shown};
  out << "[" << DescribeQuestionKind(question::kPath) << "] " << Quoted(request.caption) << "\n";
  for (const std::string& detail : details) out << "  " << detail << "\n";
  out << "  buttons: OK/Cancel\n";
  std::optional<std::string> text;
  std::string how;
  std::optional<AnswerLine> line = answers_.TakeFor(question::kPath);
  if (!line) answers_.NoLineFor(question::kPath, request.caption, details);
  if (line) {
    text = PathAnswerText(line->answer, shown);
    how = "answers file line " + std::to_string(line->lineNumber);
  } else if (answers_.terminal() != nullptr) {
    out << "  answer (a folder, Enter = the path shown, Cancel): ";
    out.Flush();
    std::optional<std::string> reply = answers_.terminal()->ReadLine();
    text = !reply           ? std::nullopt
           : reply->empty() ? std::optional<std::string>(shown)
                            : PathAnswerText(*reply, shown);
    how = reply ? "terminal" : "end of input";
  } else {
    if (okIsDefault) text = shown;
    how = "default";
  }
  if (text) {
    out << "  answer: OK " << Quoted(*text) << " (" << how << ")\n";
  } else {
    out << "  answer: Cancel (" << how << ")\n";
  }
  out.Flush();
  return text;
}

int AnsweredInstallDialogs::Path(const PathDialogRequest& request) {
  std::string shown = request.path.substr(0, request.maxLength);
  bool refused = false;
  for (;;) {
    std::optional<std::string> text = AskPath(request, shown, !refused);
    if (!text) {
      if (ConfirmQuit()) return kDialogQuit;
      continue;
    }
    // The edit control takes no more than the install path holds.
    shown = text->substr(0, request.maxLength);
    OkVerdict verdict = request.onOk(shown);
    if (verdict.accepted) return kDialogAccepted;
    boxes_.MessageBox(Owner::Backdrop, verdict.message, request.caption, mb::Ok);
    refused = true;
  }
}

bool AnsweredInstallDialogs::CancelTyped(int waitMilliseconds) {
  if (AnswerTerminal* terminal = answers_.terminal()) return terminal->LineTyped(waitMilliseconds);
  std::this_thread::sleep_for(std::chrono::milliseconds(waitMilliseconds));
  return false;
}

int AnsweredInstallDialogs::Progress(const ProgressDialogRequest& request) {
  TextSink& out = answers_.transcript();
  out << "[" << DescribeQuestionKind(question::kProgress) << "] " << Quoted(request.caption)
      << "\n  Installing please wait...\n  buttons: Cancel"
      << (answers_.terminal() ? " (press Enter)" : "") << "\n";
  bool cancel = false;
  if (std::optional<AnswerLine> line = answers_.TakeIfNext(question::kProgress)) {
    if (!IsWord(line->answer, "CANCEL")) {
      throw AnswersError("answers file line " + std::to_string(line->lineNumber) + ": \"progress " +
                         line->answer + "\" does not fit: the button is Cancel");
    }
    out << "  answer: Cancel (answers file line " << std::to_string(line->lineNumber) << ")\n";
    cancel = true;
    request.job->Pause();  // held before its first file
  }
  CopyJob& job = *request.job;
  job.Start();
  TerminalCopyProgress bar(out, answers_.liveTranscript());
  while (cancel || !job.Ended()) {
    if (cancel) {
      job.Pause();
      bar.Interrupt();
      if (ConfirmQuit()) {
        job.Stop();
        bar.Finish(job, "stopped");
        return kDialogQuit;
      }
      job.Resume();
      cancel = false;
    }
    bar.Show(job);
    cancel = CancelTyped(kTickMilliseconds);
  }
  bar.Finish(job, "copied");
  return kDialogAccepted;
}

}  // namespace vorna::platform
