#include "host/startup/unattended_console.h"

#include <utility>

namespace vorna {

UnattendedConsole::UnattendedConsole(const platform::Platform& machine,
                                     platform::AnswerSource& answers, BadAnswerHandler onBadAnswer)
    : machine_(machine), answers_(answers), onBadAnswer_(std::move(onBadAnswer)) {}

bool UnattendedConsole::Open() {
  open_ = true;
  return true;
}

void UnattendedConsole::Close() {
  if (!pending_.empty()) FlushLine();
  open_ = false;
}

bool UnattendedConsole::Write(const std::string& text) {
  for (char c : text) {
    if (c == '\n') {
      FlushLine();
    } else {
      pending_ += c;
    }
  }
  return true;
}

void UnattendedConsole::FlushLine() {
  if (!pending_.empty() && pending_.back() == '\r') pending_.pop_back();
  platform::Emit(machine_, platform::event::ConsoleOutput{pending_});
  pending_.clear();
}

std::optional<std::string> UnattendedConsole::ReadLine() {
  // The prompt written so far is the question's text.
  platform::TextQuestion question{platform::question::kInputDialog, "Console", {pending_}};
  if (!pending_.empty()) FlushLine();
  std::optional<std::string> answer;
  try {
    answer = answers_.AskText(question);
  } catch (const platform::AnswersError& error) {
    onBadAnswer_(error);
    return std::nullopt;
  }
  platform::Emit(machine_, platform::event::QuestionAnswered{
                               question.kind, question.title, question.details[0],
                               answer ? "OK \"" + *answer + "\"" : std::string("Cancel")});
  return answer;
}

}  // namespace vorna
