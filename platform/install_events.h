// What a run does to the machine and how it goes, told as it happens.
//
// The core reports every step of an installation as one typed event to the
// run's one event source; the host attaches the sinks that want them: the
// install log (one line per event), the sandbox's end-of-run report, the
// outcome that becomes the exit code. An event carries everything a sink may
// need to act on it later (a file written new or replacing an older one, with
// its size and last write time; a registry key that the run created), so a
// new sink needs no new reporting in the core.
//
// The copy worker reports from its own thread: the source hands events to
// its sinks one at a time, in the order they were emitted.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <variant>
#include <vector>

#include "platform/files.h"
#include "platform/shell.h"

namespace vorna::platform {

struct Platform;

/// Whether the copy wrote a file where there was none or over an older one.
enum class FileChange { New, Replaced };
/// How a copy of the file set ended.
enum class CopyEnd { Completed, Failed, Stopped };
/// How a whole run ended, as the exit code tells it.
enum class RunOutcome { Success, Cancelled, Failed };

namespace event {

/// The run begins: which runtime, with which command line, from which file.
struct RunStarted {
  std::string version;
  std::string commandLine;
  std::string image;
};

/// A question put to the user (a message box, a dialog) and its answer. kind
/// is the answers-file word of the question ("msgbox", "drive", ...).
struct QuestionAnswered {
  std::string kind;
  std::string title;
  std::string text;
  std::string answer;
};

/// A question that an unattended run has no answer for; the run ends there.
struct QuestionUnanswered {
  std::string kind;
  std::string title;
  std::string text;
};

/// The copy wrote a file of the set; lastWrite is the time it was given.
struct FileWritten {
  std::string path;
  FileChange change = FileChange::New;
  uint64_t size = 0;
  FileTime lastWrite;
};

/// The copy kept the file on disk instead of writing the packed one.
struct FileKept {
  std::string path;
  std::string reason;
};

/// A record of the set that the copy refused to write (its name as packed).
struct FileRefused {
  std::string name;
  std::string reason;
};

/// A file the copy should have written but could not.
struct FileNotWritten {
  std::string path;
  std::string reason;
};

/// A folder the run created (only folders that did not exist before).
struct FolderCreated {
  std::string path;
};

/// A registry key the run created (only keys that did not exist before),
/// named as the script names keys ("HKEY_LOCAL_MACHINE\Software\Hello").
struct RegistryKeyCreated {
  std::string key;
};

/// A registry value the run wrote (an empty name is the key's default value).
struct RegistryValueWritten {
  std::string key;
  std::string name;
  std::string data;
};

/// A shortcut file the run made.
struct ShortcutMade {
  std::string path;
  std::string target;
};

/// A library the run asked to register or unregister itself.
struct LibraryRegistration {
  std::string path;
  LibraryAction action = LibraryAction::Register;
  bool succeeded = false;
};

/// A script error that no ON ERROR took, as the error dialog shows it.
/// line is the module's line number counted from 1, 0 when unknown.
struct ScriptError {
  std::string module;
  std::string procedure;
  int32_t line = 0;
  std::string statement;
  std::string message;
};

/// A copy of the file set ended.
struct CopyEnded {
  CopyEnd result = CopyEnd::Completed;
  std::string reason;  // why it failed or stopped; empty when completed
  uint32_t files = 0;  // records read
};

/// The user quit an install step (its quit question answered Yes).
struct UserQuit {
  std::string step;  // "licence", "drive", "path", "copy"
};

/// Something ended the run as a failure: a script error answered with Abort,
/// a start-up failure, an unanswered question.
struct RunFailed {
  std::string reason;
};

/// A line the script wrote to the console while no console window could be
/// shown (an unattended run).
struct ConsoleOutput {
  std::string text;
};

/// The run is over; exitCode is what the process returns.
struct RunEnded {
  RunOutcome outcome = RunOutcome::Success;
  int exitCode = 0;
};

}  // namespace event

/// One event of a run.
using InstallEvent =
    std::variant<event::RunStarted, event::QuestionAnswered, event::QuestionUnanswered,
                 event::FileWritten, event::FileKept, event::FileRefused, event::FileNotWritten,
                 event::FolderCreated, event::RegistryKeyCreated, event::RegistryValueWritten,
                 event::ShortcutMade, event::LibraryRegistration, event::ScriptError,
                 event::CopyEnded, event::UserQuit, event::RunFailed, event::ConsoleOutput,
                 event::RunEnded>;

/// Where events go: a log, a report, a record. Receive is called for every
/// event, one call at a time, on the thread that emitted it.
class InstallEventSink {
 public:
  virtual ~InstallEventSink() = default;
  /// Takes one event.
  virtual void Receive(const InstallEvent& event) = 0;
};

/// The run's one event source: hands every event to every attached sink.
class InstallEvents {
 public:
  /// Attaches a sink; it gets every later event until it is detached.
  void Attach(InstallEventSink& sink);
  /// Detaches a sink (nothing happens when it is not attached).
  void Detach(InstallEventSink& sink);
  /// Hands the event to each sink in the order they were attached.
  void Emit(const InstallEvent& event);

 private:
  std::mutex mutex_;
  std::vector<InstallEventSink*> sinks_;
};

/// Emits the event to the machine's event source; nothing when it has none.
void Emit(const Platform& machine, const InstallEvent& event);

}  // namespace vorna::platform
