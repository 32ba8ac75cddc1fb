#include "host/portable/run_report.h"

#include "host/startup/event_text.h"

namespace vorna {

namespace {

/// True for the events the report lists: what changed on the machine, what
/// went wrong, and how copies ended. Questions are in the transcript already.
bool Reported(const platform::InstallEvent& event) {
  return !std::holds_alternative<platform::event::RunStarted>(event) &&
         !std::holds_alternative<platform::event::QuestionAnswered>(event) &&
         !std::holds_alternative<platform::event::ConsoleOutput>(event) &&
         !std::holds_alternative<platform::event::RunEnded>(event);
}

}  // namespace

void RunReport::Receive(const platform::InstallEvent& event) {
  if (const auto* ended = std::get_if<platform::event::RunEnded>(&event)) {
    Print(*ended);
  } else if (Reported(event)) {
    lines_.push_back(DescribeEvent(event));
  }
}

void RunReport::Print(const platform::event::RunEnded& ended) {
  // A run that did nothing and succeeded has nothing to report.
  if (lines_.empty() && ended.outcome == platform::RunOutcome::Success) return;
  out_ << "[report] what the run did\n";
  for (const std::string& line : lines_) out_ << "  " << line << "\n";
  out_ << "  " << DescribeEvent(ended) << "\n";
  out_.flush();
}

}  // namespace vorna
