#include "tools/debug/debug_session.h"

#include <cstdlib>

#include "script/debug_record.h"

namespace vorna::debug {

namespace {

// The expression that a session watches to learn that an executed statement
// is done: the runtime answers a watch only once it waits again.
constexpr const char* kSyncExpression = "0";
// What an error stop asks the runtime: the message of the error it stopped at.
constexpr const char* kErrorExpression = "ERR.DESCRIPTION";

}  // namespace

std::optional<Location> ParseLineReport(const std::string& text) {
  size_t bar = text.rfind('|');
  if (bar == std::string::npos || bar + 1 >= text.size()) return std::nullopt;
  const char* digits = text.c_str() + bar + 1;
  char* end = nullptr;
  long line = std::strtol(digits, &end, 10);
  if (*end != '\0') return std::nullopt;
  return Location{text.substr(0, bar), line};
}

bool DebugSession::Send(char letter, const std::string& text) {
  if (!running_) return false;
  if (!channel_.Write(EncodeDebugRecord(letter, text))) {
    Finish();
    return false;
  }
  return true;
}

DebugSession::Arrival DebugSession::ReadUntilWaiting(std::string* watchText) {
  platform::DebugRecordBytes record{};
  while (running_) {
    platform::ChannelRead read = channel_.Read(record);
    if (read == platform::ChannelRead::Nothing) continue;
    if (read == platform::ChannelRead::Failed) break;
    DebugMessage message = DecodeDebugRecord(record);
    switch (message.letter) {
      case debugSend::kOutput:
        events_.Output(message.text);
        break;
      case debugSend::kWatch:
        if (watchText) *watchText = message.text;
        return Arrival::Watch;
      case debugSend::kLine:
      case debugSend::kErrorLine:
        if (std::optional<Location> location = ParseLineReport(message.text)) {
          location_ = *location;
          return message.letter == debugSend::kErrorLine ? Arrival::ErrorReport : Arrival::Report;
        }
        break;
      default:
        break;  // nothing else is ever sent; a stray record is passed over
    }
  }
  Finish();
  return Arrival::Ended;
}

void DebugSession::Stop(Arrival arrival, StopKind kind) {
  if (arrival == Arrival::Report) events_.Stopped(location_, kind);
  if (arrival != Arrival::ErrorReport) return;
  // The report says where the error stopped the script; the error record
  // says what it was.
  const Location where = location_;
  error_.clear();
  std::string answer;
  if (Send(debugReply::kWatch, kErrorExpression) && ReadUntilWaiting(&answer) == Arrival::Watch) {
    error_ = answer;
  }
  location_ = where;
  if (running_) events_.Stopped(location_, StopKind::Error);
}

void DebugSession::Finish() {
  if (!running_) return;
  running_ = false;
  events_.Ended();
}

void DebugSession::Start() {
  Stop(ReadUntilWaiting(nullptr), StopKind::Step);
}

void DebugSession::ReplyAndStop(char letter) {
  if (!Send(letter, "")) return;
  // A watch answer cannot come here: none was asked for.
  Arrival arrival;
  do {
    arrival = ReadUntilWaiting(nullptr);
  } while (arrival == Arrival::Watch);
  Stop(arrival, StopKind::Step);
}

void DebugSession::Step() {
  ReplyAndStop(debugReply::kInto);
}

void DebugSession::Next() {
  ReplyAndStop(debugReply::kOver);
}

void DebugSession::Skip() {
  ReplyAndStop(debugReply::kSkip);
}

void DebugSession::Continue() {
  if (breakpoints_.empty()) {
    ReplyAndStop(debugReply::kGo);
    return;
  }
  // The runtime knows no breakpoints: every line is reported, and those
  // without one are let through at once.
  for (;;) {
    if (!Send(debugReply::kInto, "")) return;
    Arrival arrival = ReadUntilWaiting(nullptr);
    if (arrival == Arrival::Ended) return;
    if (arrival == Arrival::ErrorReport) {
      Stop(arrival, StopKind::Error);
      return;
    }
    if (arrival == Arrival::Report && breakpoints_.count(location_) > 0) {
      events_.Stopped(location_, StopKind::Breakpoint);
      return;
    }
  }
}

std::optional<std::string> DebugSession::Print(const std::string& expression) {
  if (!Send(debugReply::kWatch, expression)) return std::nullopt;
  std::string answer;
  Arrival arrival = ReadUntilWaiting(&answer);
  if (arrival == Arrival::Watch) return answer;
  // The expression failed: the runtime handled it as an error of the line
  // and now waits at the line it reported.
  Stop(arrival, StopKind::Step);
  return std::nullopt;
}

void DebugSession::Exec(const std::string& statement) {
  if (!Send(debugReply::kExecute, statement)) return;
  // The runtime says nothing when the statement is done; a watch asked
  // right behind it is answered only then, after the statement's output.
  if (!Send(debugReply::kWatch, kSyncExpression)) return;
  for (;;) {
    Arrival arrival = ReadUntilWaiting(nullptr);
    if (arrival == Arrival::Watch || arrival == Arrival::Ended) return;
    // The statement ended the procedure: the caller's next line was
    // reported, and the watch is answered there.
    Stop(arrival, StopKind::Step);
  }
}

}  // namespace vorna::debug
