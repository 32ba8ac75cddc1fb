// Fuzz target: whole script runs in a sandbox root. The input is a script,
// perhaps followed by an answers file and by the replies of a debugger:
//
//   SUB MAIN ... END SUB        the module FUZZ.BAS, loaded through STARTUP.CTL
//   '--answers                  the rest, up to the next marker, is the answers
//   error Retry                 file (questions without an answer take the
//                               default button, as in vorna-run)
//   '--debugger                 the run is under the debugger (-D); each line
//   Gx                          after the marker is one reply: its letter, then
//   WX + 1                      its text. When they are used up, the debugger
//                               is gone and the run ends as it would then.
//
// The run uses the portable platform in a temporary root made fresh for each
// input, so scripts may create, write and delete files and registry keys as
// they like. A watchdog stops the run after a number of lines or a time limit,
// so an endless loop ends like a script that reached END. A process exit
// (the lost debugger, a question the answers cannot fit) ends the input's
// run at once. The sanitizers of the build report anything read or written
// out of bounds; the portable file system refuses every path outside the root.

#include <stdlib.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "host/portable/sandbox_setup.h"
#include "host/startup/language_setup.h"
#include "host/startup/startup_control.h"
#include "host/startup/unattended_console.h"
#include "installdata/scramble.h"
#include "platform/answers/answer_source.h"
#include "platform/answers/answered_interaction.h"
#include "platform/answers/answers_file.h"
#include "platform/install_events.h"
#include "platform/installed_platform.h"
#include "platform/platform.h"
#include "platform/portable/portable_files.h"
#include "platform/portable/portable_registry.h"
#include "platform/portable/portable_shell.h"
#include "platform/portable/portable_system.h"
#include "platform/portable/shell_folders_seed.h"
#include "script/debug_record.h"
#include "script/interpreter.h"
#include "values/errors.h"
#include "values/extension.h"
#include "values/value.h"

namespace {

using namespace vorna;
using namespace vorna::platform;

constexpr char kAnswersMarker[] = "'--answers";
constexpr char kDebuggerMarker[] = "'--debugger";
/// Lines one run may execute, and how long it may take, before the watchdog stops it.
constexpr uint64_t kLineLimit = 20000;
constexpr std::chrono::milliseconds kTimeLimit{1000};

/// The parts of one input.
struct ScriptInput {
  std::string script;
  std::string answers;
  std::vector<std::string> replies;
  bool debugged = false;
};

ScriptInput SplitInput(const uint8_t* data, size_t size) {
  ScriptInput input;
  std::string* part = &input.script;
  std::string text(reinterpret_cast<const char*>(data), size);
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (line == kAnswersMarker && !input.debugged) {
      part = &input.answers;
    } else if (line == kDebuggerMarker && !input.debugged) {
      input.debugged = true;
      part = nullptr;
    } else if (part != nullptr) {
      *part += line + "\n";
    } else {
      input.replies.push_back(line);
    }
  }
  return input;
}

/// The end of the process, as far as one input's run is concerned.
struct RunEnded {};

/// The portable system, except that nothing sleeps and an exit ends the run.
class FuzzSystem : public PortableSystem {
 public:
  explicit FuzzSystem(std::FILE* log) : PortableSystem(log) {}
  void Sleep(uint32_t) override {}
  [[noreturn]] void ExitProcess(int) override { throw RunEnded{}; }
};

/// The debugger's end: takes every record, hands out the input's replies,
/// then is gone.
class ReplyChannel : public DebugChannel {
 public:
  explicit ReplyChannel(const std::vector<std::string>& replies) : replies_(replies) {}
  bool Write(const DebugRecordBytes&) override { return true; }
  ChannelRead Read(DebugRecordBytes& record) override {
    if (next_ >= replies_.size()) return ChannelRead::Failed;
    const std::string& reply = replies_[next_++];
    record =
        EncodeDebugRecord(reply.empty() ? '\0' : reply[0],
                          reply.empty() ? std::string_view() : std::string_view(reply).substr(1));
    return ChannelRead::Record;
  }

 private:
  const std::vector<std::string>& replies_;
  size_t next_ = 0;
};

/// Stops the run once it has executed too many lines or taken too long.
class Watchdog : public Extension {
 public:
  explicit Watchdog(Interpreter& interpreter)
      : interpreter_(interpreter), started_(std::chrono::steady_clock::now()) {}
  void BeforeStatement() override {
    if (++lines_ > kLineLimit || std::chrono::steady_clock::now() - started_ > kTimeLimit) {
      interpreter_.stopFlag() = 1;
    }
  }

 private:
  Interpreter& interpreter_;
  std::chrono::steady_clock::time_point started_;
  uint64_t lines_ = 0;
};

/// A fresh folder for the root: in TMPDIR when it is set, else in memory
/// (/dev/shm) where the machine has it, since the registry and the files a
/// script writes are flushed to disk, which would slow every run down a
/// hundredfold.
std::string MakeRootFolder() {
  const char* chosen = std::getenv("TMPDIR");
  std::string base = chosen != nullptr && *chosen != '\0'        ? chosen
                     : std::filesystem::is_directory("/dev/shm") ? "/dev/shm"
                                                                 : "/tmp";
  std::string pattern = base + "/vorna-fuzz.XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) std::abort();
  return pattern;
}

/// The root every input's run starts afresh in, and the program file beside
/// it (outside the root, so scripts see it as A:\RUNTIME.EXE on the read-only
/// install disk: a bare runtime, whose modules are plain files of C:\).
/// Both are removed when the process ends.
class Root {
 public:
  Root() : path_(MakeRootFolder()), program_(path_ + ".program/RUNTIME.EXE") {
    std::filesystem::create_directories(path_ + ".program");
    std::ofstream(program_, std::ios::binary) << "a runtime without install data";
  }
  ~Root() {
    RemoveTree(path_);
    RemoveTree(path_ + ".program");
  }
  const std::string& path() const { return path_; }
  const std::string& program() const { return program_; }

  /// Empties the root and stages the script with its start-up control entry.
  void Stage(const std::string& script) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_ + "/C");
    std::ofstream(path_ + "/C/STARTUP.CTL", std::ios::binary) << "FUZZ.BAS\r\n";
    std::ofstream(path_ + "/C/FUZZ.BAS", std::ios::binary) << script;
  }

 private:
  std::string path_;
  std::string program_;
};

/// Loads the staged module and runs it as the runtime does: the global
/// areas, then MAIN.
void RunStaged(Platform& machine, bool debugged) {
  Interpreter interpreter(machine);
  if (debugged) {
    interpreter.connectedFlag = 1;
    interpreter.steppingFlag = 1;
  }
  RegisterLanguage(interpreter);
  interpreter.RegisterExtension(new Watchdog(interpreter));
  if (!LoadStartupControl(machine, "STARTUP.CTL", interpreter.modules())) return;
  try {
    interpreter.Initialise();
  } catch (const InternalError&) {
    return;
  }
  Value result;
  interpreter.RunProcedureByName("MAIN", result);
}

void Run(const Root& root, const ScriptInput& input) {
  static std::FILE* discardFile = std::fopen("/dev/null", "w");
  std::ostream discard(nullptr);
  DiscardSink discardText;
  AnswersFile answers;
  try {
    answers = AnswersFile::Parse(input.answers);
  } catch (const AnswersError&) {
    return;  // vorna-run refuses such an answers file before anything runs
  }
  PortableFileSystem files(root.path(), root.program());
  PortableRegistry registry(root.path());
  std::string error;
  if (!registry.Load(&error) || !SeedShellFolders(registry, files.sandbox())) std::abort();
  FuzzSystem system(discardFile);
  PortableShell shell(files, discard);
  AnswerSource source(std::move(answers), discardText);
  auto endRun = [](const AnswersError&) { throw RunEnded{}; };
  AnsweredInteraction interaction(source, endRun);
  ReplyChannel channel(input.replies);
  InstallEvents events;
  Platform machine;
  machine.files = &files;
  machine.system = &system;
  machine.interaction = &interaction;
  machine.registry = &registry;
  machine.shell = &shell;
  machine.events = &events;
  if (input.debugged) machine.debugChannel = &channel;
  UnattendedConsole console(machine, source, endRun);
  machine.console = &console;
  SetPlatform(machine);
  try {
    RunStaged(machine, input.debugged);
  } catch (const RunEnded&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Root root;
  SetContainerKey(kInstallerKey);
  ScriptInput input = SplitInput(data, size);
  root.Stage(input.script);
  Run(root, input);
  return 0;
}
