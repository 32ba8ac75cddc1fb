#include "host/portable/runner_options.h"

#include <cstdlib>
#include <cstring>

#include "platform/portable/fault_injector.h"

namespace vorna {

const char* const kRunnerUsage =
    "usage: vorna-run [--image FILE] [--root DIR] [--keep] [--answers FILE]"
    " [--debug-fds R,W]\n"
    "                 [--faults KIND:N[+],...] [-- RUNTIME-COMMAND-LINE]\n"
    "       vorna-run --version\n"
    "  --image FILE    install data file (a packed setup); without it the start-up\n"
    "                  control entry and the modules are plain files of the current folder\n"
    "  --root DIR      sandbox root (default: a fresh temporary folder)\n"
    "  --keep          keep the temporary sandbox root and print its path\n"
    "  --answers FILE  answers for message boxes and dialogs (docs/answers-file.md)\n"
    "  --debug-fds R,W the debugger channel for -D: read replies from descriptor R,\n"
    "                  write records to descriptor W (docs/debugger.md)\n"
    "  --faults KIND:N[+],...\n"
    "                  make the Nth sandbox call of KIND fail (with +: that one and every\n"
    "                  later one), counted from the program's start; KIND is open, read,\n"
    "                  write, seek, flush, gettimes, settimes, delete, move, createfolder,\n"
    "                  removefolder, replace, createtemp or registrywrite\n"
    "  -- ...          the runtime's command line, e.g. -- /s setup2.ctl\n";

namespace {

/// The option that takes a value, or nullptr when arg is not one.
std::string* ValueOption(const char* arg, RunnerOptions* options) {
  if (std::strcmp(arg, "--image") == 0) return &options->image;
  if (std::strcmp(arg, "--root") == 0) return &options->root;
  if (std::strcmp(arg, "--answers") == 0) return &options->answers;
  return nullptr;
}

/// Reads "R,W" (two descriptor numbers) into the options; false when malformed.
bool ReadDebugFds(const std::string& text, RunnerOptions* options) {
  const char* start = text.c_str();
  char* end = nullptr;
  long read = std::strtol(start, &end, 10);
  if (end == start || *end != ',' || read < 0 || read > 65535) return false;
  start = end + 1;
  long write = std::strtol(start, &end, 10);
  if (end == start || *end != '\0' || write < 0 || write > 65535) return false;
  options->debugReadFd = static_cast<int>(read);
  options->debugWriteFd = static_cast<int>(write);
  return true;
}

std::string JoinFrom(int first, int argc, const char* const* argv) {
  std::string joined;
  for (int i = first; i < argc; ++i) joined += (i > first ? " " : "") + std::string(argv[i]);
  return joined;
}

}  // namespace

std::optional<RunnerOptions> ParseRunnerOptions(int argc, const char* const* argv,
                                                std::string* error) {
  RunnerOptions options;
  for (int i = 0; i < argc; ++i) {
    const char* arg = argv[i];
    if (std::strcmp(arg, "--") == 0) {
      options.commandLine = JoinFrom(i + 1, argc, argv);
      break;
    }
    if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
      options.help = true;
    } else if (std::strcmp(arg, "--version") == 0) {
      options.version = true;
    } else if (std::strcmp(arg, "--keep") == 0) {
      options.keep = true;
    } else if (std::strcmp(arg, "--debug-fds") == 0) {
      if (i + 1 >= argc || !ReadDebugFds(argv[i + 1], &options)) {
        *error = "--debug-fds needs two descriptor numbers, as in --debug-fds 3,4";
        return std::nullopt;
      }
      ++i;
    } else if (std::strcmp(arg, "--faults") == 0) {
      if (i + 1 >= argc || !platform::FaultInjector().Parse(argv[i + 1])) {
        *error = "--faults needs KIND:N or KIND:N+ items, as in --faults write:2,open:1+";
        return std::nullopt;
      }
      options.faults = argv[++i];
    } else if (std::string* value = ValueOption(arg, &options)) {
      if (i + 1 >= argc || argv[i + 1][0] == '\0') {
        *error = std::string(arg) + " needs a value";
        return std::nullopt;
      }
      *value = argv[++i];
    } else {
      *error = std::string("unknown argument \"") + arg + "\" (the runtime's own command line " +
               "goes after \"--\")";
      return std::nullopt;
    }
  }
  return options;
}

}  // namespace vorna
