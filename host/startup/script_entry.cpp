#include "host/startup/script_entry.h"

#include <memory>

#include "host/startup/command_line.h"
#include "host/startup/install_log.h"
#include "host/startup/language_setup.h"
#include "host/startup/record_sink.h"
#include "host/startup/reported_interaction.h"
#include "host/startup/startup_control.h"
#include "host/startup/startup_message.h"
#include "host/startup/unattended_console.h"
#include "host/startup/uninstall_run.h"
#include "platform/answers/answered_interaction.h"
#include "platform/installed_platform.h"
#include "script/interpreter.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {

namespace {

/// A sink attached to a source for as long as it lives.
class AttachedSink {
 public:
  AttachedSink(platform::InstallEvents& events, platform::InstallEventSink& sink)
      : events_(events), sink_(sink) {
    events_.Attach(sink_);
  }
  ~AttachedSink() { events_.Detach(sink_); }
  AttachedSink(const AttachedSink&) = delete;
  AttachedSink& operator=(const AttachedSink&) = delete;

 private:
  platform::InstallEvents& events_;
  platform::InstallEventSink& sink_;
};

// Initialise, then MAIN. A global area that fails ends the run with the
// start-up message "CAN'T EXECUTE PROGRAM".
void RunProgram(const platform::Platform& machine, Interpreter& interpreter) {
  try {
    interpreter.Initialise();
  } catch (const InternalError& error) {
    FailStartup(machine, error.text);
    return;
  }
  Value result;
  if (!interpreter.RunProcedureByName(kMainProcedure, result)) {
    FailStartup(machine, kMainNotFoundText);
  }
}

/// The run after the command line was read: the modules, then the program.
void RunCommandLine(platform::Platform& machine, const CommandLine& line,
                    const std::function<void()>& programStarting) {
  if (line.startupSwitch == StartupSwitch::Help) {
    ShowStartupMessage(machine, line.refusal);
    return;
  }
  if (!line.refusal.empty()) {
    FailStartup(machine, line.refusal);
    return;
  }
  if (line.startupSwitch == StartupSwitch::Uninstall) {
    if (programStarting) programStarting();
    RunUninstall(machine, line);
    return;
  }
  // The interpreter lives as long as the run; leaving frees it with every
  // module, variable, open file and the console.
  auto interpreter = std::make_unique<Interpreter>(machine);
  if (line.startupSwitch == StartupSwitch::Debug) {
    interpreter->connectedFlag = 1;
    interpreter->steppingFlag = 1;
  }
  RegisterLanguage(*interpreter);
  if (!LoadStartupControl(machine, line.fileName, interpreter->modules())) return;
  if (programStarting) programStarting();
  RunProgram(machine, *interpreter);
}

/// One run: the platform it works with (the host's, with the run's own
/// questions, console and events), its outcome and its log.
class Run {
 public:
  Run(const char* commandLine, const RunHost& host);
  int Execute();

 private:
  bool Unattended() const { return !line_.answersFile.empty(); }
  bool ReadAnswers();
  void AnswerUnattended();
  bool OpenLog();
  void EndUnanswered(const platform::AnswersError& error);
  int End();

  const char* commandLine_;
  const RunHost& host_;
  CommandLine line_;
  platform::Platform machine_;
  platform::InstallEvents ownEvents_;
  RunOutcomeTracker outcome_;
  std::unique_ptr<AttachedSink> outcomeSink_;
  platform::AnswersFile answers_;
  std::string answersLog_;
  platform::DiscardSink discard_;
  std::unique_ptr<platform::AnswerSource> source_;
  std::unique_ptr<platform::AnsweredInteraction> answered_;
  std::unique_ptr<UnattendedConsole> console_;
  std::unique_ptr<ReportedInteraction> questions_;
  std::unique_ptr<InstallLog> log_;
  std::unique_ptr<AttachedSink> logSink_;
  std::unique_ptr<RecordSink> record_;
  std::unique_ptr<AttachedSink> recordSink_;
};

Run::Run(const char* commandLine, const RunHost& host)
    : commandLine_(commandLine ? commandLine : ""),
      host_(host),
      line_(ParseCommandLine(commandLine)),
      machine_(platform::Current()) {
  if (machine_.events == nullptr) machine_.events = &ownEvents_;
  outcomeSink_ = std::make_unique<AttachedSink>(*machine_.events, outcome_);
}

int Run::Execute() {
  if (Unattended()) {
    if (!ReadAnswers()) return End();
    AnswerUnattended();
  }
  // Every question of the run is reported with its answer.
  questions_ = std::make_unique<ReportedInteraction>(*machine_.interaction, machine_);
  machine_.interaction = questions_.get();
  bool logged = OpenLog();
  platform::Emit(machine_, platform::event::RunStarted{host_.version, commandLine_,
                                                       machine_.files->ProgramPath()});
  record_ = std::make_unique<RecordSink>(machine_);
  recordSink_ = std::make_unique<AttachedSink>(*machine_.events, *record_);
  if (logged) RunCommandLine(machine_, line_, host_.programStarting);
  // An install whose record could not be kept cannot be uninstalled cleanly.
  if (!record_->failure().empty()) {
    platform::Emit(machine_, platform::event::RunFailed{record_->failure()});
  }
  return End();
}

// The answers file of -A. A run without its answers cannot ask anybody, so
// one that cannot be read ends the run as failed, reported to the system's
// debug output.
bool Run::ReadAnswers() {
  try {
    answers_ = platform::AnswersFile::Read(*machine_.files, line_.answersFile);
    return true;
  } catch (const platform::AnswersError& error) {
    machine_.system->DebugOutput(error.what());
    platform::Emit(machine_, platform::event::RunFailed{error.what()});
    return false;
  }
}

// Every question from now on is answered from the file, and the console
// writes to the events: no window of the run may appear.
void Run::AnswerUnattended() {
  platform::AnswerPolicy policy;
  policy.whenUsedUp = platform::WhenUsedUp::Fail;
  std::string logPath = answers_.logPath();
  source_ = std::make_unique<platform::AnswerSource>(
      std::move(answers_), host_.transcript ? *host_.transcript : discard_, policy);
  answers_ = platform::AnswersFile();
  auto onBadAnswer = [this](const platform::AnswersError& error) { EndUnanswered(error); };
  answered_ = std::make_unique<platform::AnsweredInteraction>(*source_, onBadAnswer);
  console_ = std::make_unique<UnattendedConsole>(machine_, *source_, onBadAnswer);
  machine_.interaction = answered_.get();
  machine_.console = console_.get();
  answersLog_ = logPath;
}

// The log that the answers file, the host or VORNA_LOG names, if any; false
// when one is asked for and cannot be written (the run is then over). The
// copy that finishes an uninstall keeps none: the log is the uninstaller's,
// which it outlives.
bool Run::OpenLog() {
  if (line_.waitForProcess != 0) return true;
  std::string path = !answersLog_.empty() ? answersLog_ : host_.logPath;
  if (path.empty()) path = machine_.system->Environment(kLogVariable).value_or("");
  if (path.empty()) return true;
  log_ = InstallLog::Create(machine_, path);
  if (!log_) {
    FailStartup(machine_, LogFailureText(path));
    return false;
  }
  logSink_ = std::make_unique<AttachedSink>(*machine_.events, *log_);
  return true;
}

// A question nothing may answer, or an answer that does not fit: the run
// ends here, whatever it was doing.
void Run::EndUnanswered(const platform::AnswersError& error) {
  if (const platform::UnansweredQuestion* question = error.Unanswered()) {
    platform::Emit(machine_, platform::event::QuestionUnanswered{question->kind, question->title,
                                                                 question->text});
  }
  machine_.system->DebugOutput(error.what());
  platform::Emit(machine_, platform::event::RunFailed{error.what()});
  machine_.system->ExitProcess(End());
}

int Run::End() {
  int exitCode = ExitCodeOf(outcome_.outcome(), host_.exitCodes);
  platform::Emit(machine_, platform::event::RunEnded{outcome_.outcome(), exitCode});
  return exitCode;
}

}  // namespace

int RunScriptEntry(const char* commandLine, const RunHost& host) {
  Run run(commandLine, host);
  return run.Execute();
}

}  // namespace vorna
