// The debugger client's side of a session with a runtime started under -D:
// it turns commands into replies, reads the records that come back (line
// reports, output, watch answers) and keeps the breakpoints.
//
// The session is synchronous: after every reply it reads until the runtime
// waits again (a line report) or the connection ends.
#pragma once

#include <optional>
#include <set>
#include <string>

#include "platform/debug_channel.h"

namespace vorna::debug {

/// A line in a module; lines are counted from 0, as the runtime reports them.
struct Location {
  std::string module;
  long line = -1;
  bool operator<(const Location& other) const {
    return module != other.module ? module < other.module : line < other.line;
  }
  bool operator==(const Location& other) const {
    return module == other.module && line == other.line;
  }
};

/// Reads a line report's text "MODULE|LINE"; nullopt when it is not one.
std::optional<Location> ParseLineReport(const std::string& text);

/// Why the runtime stopped.
enum class StopKind {
  Step,        // a line report after a step, next or skip (or the first line)
  Breakpoint,  // a line with a breakpoint, reached by continue
  Error,       // an E report: the user chose Debug in the error dialog
};

/// What the session tells its front end.
class SessionEvents {
 public:
  virtual ~SessionEvents() = default;
  /// A piece of the script's text output.
  virtual void Output(const std::string& text) = 0;
  /// The runtime waits before the line at location.
  virtual void Stopped(const Location& location, StopKind kind) = 0;
  /// The connection is over: the program ended (or the runtime went away).
  virtual void Ended() = 0;
};

class DebugSession {
 public:
  DebugSession(platform::DebugChannel& channel, SessionEvents& events)
      : channel_(channel), events_(events) {}

  /// Reads up to the first line report.
  void Start();
  /// I: runs the line; calls are entered, so the next line run is reported.
  void Step();
  /// O: runs the line with its calls unreported.
  void Next();
  /// S: the line is not run.
  void Skip();
  /// G without breakpoints; with breakpoints, steps silently until a
  /// reported line has one (or an error stop, or the end).
  void Continue();
  /// W: the display text of expression; nullopt when evaluating it failed
  /// (the runtime handled that as an error of the line and reported again).
  std::optional<std::string> Print(const std::string& expression);
  /// X: runs statement in the current procedure; its output arrives first.
  void Exec(const std::string& statement);

  void AddBreakpoint(const Location& location) { breakpoints_.insert(location); }
  /// Removes one breakpoint; false when there was none there.
  bool DeleteBreakpoint(const Location& location) { return breakpoints_.erase(location) > 0; }
  void ClearBreakpoints() { breakpoints_.clear(); }
  const std::set<Location>& breakpoints() const { return breakpoints_; }

  /// True until the connection ends.
  bool running() const { return running_; }
  /// Where the runtime waits now.
  const Location& location() const { return location_; }
  /// The message of the error at the last error stop ("Type Mismatch Error").
  const std::string& error() const { return error_; }

 private:
  /// What a read up to the next report brought.
  enum class Arrival { Report, ErrorReport, Watch, Ended };

  bool Send(char letter, const std::string& text);
  /// Reads records, passing output on, until a report, a watch answer or
  /// the end; watchText receives the answer's text.
  Arrival ReadUntilWaiting(std::string* watchText);
  /// Sends a reply and reads to the next report, telling the front end.
  void ReplyAndStop(char letter);
  /// Tells the front end of a report that arrived (kind for a plain one);
  /// an error report first learns its error's message.
  void Stop(Arrival arrival, StopKind kind);
  void Finish();

  platform::DebugChannel& channel_;
  SessionEvents& events_;
  std::set<Location> breakpoints_;
  Location location_;
  std::string error_;
  bool running_ = true;
};

}  // namespace vorna::debug
