// vorna-run: the runtime's start-up and scripts on Linux, in a sandbox.
//
// The interpreter runs on the main thread. Message boxes and dialogs become
// questions on standard error, answered from the answers file, the terminal
// or the default button. The exit code tells how the run ended: 0 success,
// 1 failed, 3 cancelled (the runtime's 0, 1603 and 1602 in 8 bits); 2 means
// the runner itself was misused (bad option, unreadable or unfitting answers).
// When the run ends, a report of what it did is printed on standard error.
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "host/portable/ostream_sink.h"
#include "host/portable/run_report.h"
#include "host/portable/runner_options.h"
#include "host/portable/sandbox_setup.h"
#include "host/portable/working_folder_files.h"
#include "host/startup/script_entry.h"
#include "installdata/scramble.h"
#include "platform/answers/answer_source.h"
#include "platform/answers/answered_interaction.h"
#include "platform/installed_platform.h"
#include "platform/platform.h"
#include "platform/portable/fd_debug_channel.h"
#include "platform/portable/file_terminal.h"
#include "platform/portable/portable_console.h"
#include "platform/portable/portable_files.h"
#include "platform/portable/portable_registry.h"
#include "platform/portable/portable_shell.h"
#include "platform/portable/portable_system.h"
#include "platform/portable/shell_folders_seed.h"
#include "script/stack_guard.h"
#include "vorna_version.h"

namespace {

constexpr int kMisuse = 2;

/// The sandbox root chosen for this run, and whether it goes at the end.
struct SandboxRoot {
  std::string path;
  bool temporary = false;
  bool keep = false;

  void Finish() const {
    if (!temporary || path.empty()) return;
    if (keep) {
      std::fprintf(stderr, "vorna-run: sandbox kept in %s\n", path.c_str());
    } else {
      vorna::RemoveTree(path);
    }
  }
};

[[noreturn]] void Fail(const std::string& reason, const SandboxRoot* root = nullptr) {
  std::fflush(stdout);
  std::fprintf(stderr, "vorna-run: %s\n", reason.c_str());
  if (root != nullptr) root->Finish();
  std::_Exit(kMisuse);
}

/// Chooses the root and makes its drive C. *root is filled in first, so that
/// a failure can still remove a fresh root.
void PrepareSandbox(const vorna::RunnerOptions& options, SandboxRoot* root) {
  *root = SandboxRoot{options.root, options.root.empty(), options.keep};
  if (root->temporary) root->path = vorna::MakeTemporaryRoot();
  std::filesystem::create_directories(root->path + "/C");
}

/// The install data file: the image given, else the runner itself (no container).
std::string ProgramPath(const vorna::RunnerOptions& options) {
  if (!options.image.empty()) return std::filesystem::absolute(options.image).string();
  std::error_code error;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string("vorna-run") : self.string();
}

/// The interpreter runs on this thread, whose stack limit bounds how deep
/// scripts may recurse; a megabyte is kept for everything outside the budget.
void SetStackBudgetFromLimit() {
  constexpr rlim_t kMargin = 1024 * 1024;
  constexpr rlim_t kMaxBudget = 64 * 1024 * 1024;
  rlimit limit{};
  if (getrlimit(RLIMIT_STACK, &limit) != 0) return;
  rlim_t size = limit.rlim_cur == RLIM_INFINITY ? kMaxBudget : limit.rlim_cur;
  if (size > kMaxBudget) size = kMaxBudget;
  if (size > 2 * kMargin) vorna::SetNativeStackBudget(static_cast<size_t>(size - kMargin));
}

/// The answers file of --answers, a host file.
vorna::platform::AnswersFile LoadHostAnswersFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw vorna::platform::AnswersError(path + ": cannot read the answers file");
  std::ostringstream text;
  text << in.rdbuf();
  return vorna::platform::AnswersFile::ParseNamed(text.str(), path);
}

vorna::RunnerOptions ReadOptions(int argc, char** argv) {
  std::string error;
  std::optional<vorna::RunnerOptions> options =
      vorna::ParseRunnerOptions(argc - 1, argv + 1, &error);
  if (!options) {
    // The bad argument first, where it cannot scroll away behind the usage.
    std::fprintf(stderr, "vorna-run: %s\n", error.c_str());
    std::fputs(vorna::kRunnerUsage, stderr);
    std::exit(kMisuse);
  }
  if (options->help) {
    std::fputs(vorna::kRunnerUsage, stdout);
    std::exit(0);
  }
  if (options->version) {
    std::printf("vorna-run %s\n", VORNA_VERSION);
    std::exit(0);
  }
  if (!options->image.empty() && !std::filesystem::is_regular_file(options->image)) {
    Fail("no install data file " + options->image);
  }
  return *options;
}

}  // namespace

int main(int argc, char** argv) {
  vorna::RunnerOptions options = ReadOptions(argc, argv);
  vorna::platform::AnswersFile answers;
  SandboxRoot root;
  try {
    if (!options.answers.empty()) answers = LoadHostAnswersFile(options.answers);
    PrepareSandbox(options, &root);
  } catch (const std::exception& error) {
    Fail(error.what(), &root);
  }

  vorna::platform::PortableFileSystem files(root.path, ProgramPath(options));
  // A run from plain files sees the working folder's files in C:\.
  vorna::WorkingFolderFiles workingFolder(
      files, options.image.empty() ? std::filesystem::current_path().string() : std::string(),
      root.path + "/C");
  vorna::platform::PortableSystem system;
  system.AtExit([&root] { root.Finish(); });
  vorna::platform::PortableRegistry registry(root.path);
  std::string registryError;
  if (!registry.Load(&registryError)) Fail(registryError, &root);
  if (!vorna::platform::SeedShellFolders(registry, files.sandbox())) {
    Fail("cannot prepare the shell folders of the sandbox", &root);
  }
  vorna::platform::PortableShell shell(files, std::cerr);
  vorna::platform::PortableConsole console;
  std::string answersLog = answers.logPath();
  vorna::platform::FileTerminal terminal(stdin);
  vorna::platform::AnswerPolicy policy;
  policy.terminal = isatty(0) ? &terminal : nullptr;
  policy.liveTranscript = isatty(2) != 0;
  vorna::OstreamSink transcript(std::cerr);
  vorna::platform::AnswerSource source(std::move(answers), transcript, policy);
  vorna::platform::AnsweredInteraction interaction(
      source, [&root](const vorna::platform::AnswersError& error) { Fail(error.what(), &root); });
  // The debugger's records travel on the descriptors it passed, never on
  // standard output, which belongs to the script's console.
  vorna::platform::FdDebugChannel channel(options.debugReadFd, options.debugWriteFd);
  vorna::platform::Platform machine;
  if (options.debugReadFd >= 0) {
    vorna::platform::IgnoreBrokenPipes();
    machine.debugChannel = &channel;
  }
  machine.files = &workingFolder;
  machine.system = &system;
  machine.console = &console;
  machine.interaction = &interaction;
  machine.registry = &registry;
  machine.shell = &shell;
  vorna::platform::InstallEvents events;
  vorna::RunReport report(std::cerr);
  events.Attach(report);
  machine.events = &events;
  vorna::platform::SetPlatform(machine);

  vorna::SetContainerKey(vorna::kInstallerKey);
  SetStackBudgetFromLimit();
  vorna::RunHost host{vorna::kSandboxExitCodes, VORNA_VERSION, &transcript, answersLog, {}};
  if (!options.faults.empty()) {
    registry.UseFaults(&files.faults());
    host.programStarting = [&files, &options] { files.faults().Parse(options.faults); };
  }
  int exitCode = vorna::RunScriptEntry(options.commandLine.c_str(), host);

  if (source.unusedAnswers() > 0) {
    std::fprintf(stderr, "vorna-run: %zu answers were not used\n", source.unusedAnswers());
  }
  std::fflush(stdout);
  root.Finish();
  return exitCode;
}
