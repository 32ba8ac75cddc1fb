#include "tools/debug/client_options.h"

#include <cstring>

namespace vorna::debug {

const char* const kClientUsage =
    "usage: vorna-debug [--batch FILE] [--source DIR] [--startup NAME] RUNTIME [HOST-OPTION...]\n"
    "       vorna-debug --version\n"
    "  RUNTIME         vorna-run, or a Windows runtime (vorna.exe or a packed setup,\n"
    "                  run under Wine on Linux); it is started with -D\n"
    "  HOST-OPTION...  options for vorna-run (--image, --root, --answers, ...)\n"
    "  --batch FILE    read the commands from FILE instead of the terminal\n"
    "  --source DIR    folder of the plain module files for list (default: here)\n"
    "  --startup NAME  start-up control entry to run (default: STARTUP.CTL)\n"
    "Type help at the (vdb) prompt for the commands.\n";

namespace {

std::string* ValueOption(const char* arg, ClientOptions* options) {
  if (std::strcmp(arg, "--batch") == 0) return &options->batch;
  if (std::strcmp(arg, "--source") == 0) return &options->source;
  if (std::strcmp(arg, "--startup") == 0) return &options->launch.startup;
  return nullptr;
}

}  // namespace

std::optional<ClientOptions> ParseClientOptions(int argc, const char* const* argv,
                                                std::string* error) {
  ClientOptions options;
  int i = 0;
  for (; i < argc && argv[i][0] == '-'; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      options.help = true;
      return options;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      options.version = true;
      return options;
    }
    std::string* value = ValueOption(argv[i], &options);
    if (value == nullptr) {
      *error = std::string("unknown option ") + argv[i];
      return std::nullopt;
    }
    if (i + 1 >= argc || argv[i + 1][0] == '\0') {
      *error = std::string(argv[i]) + " needs a value";
      return std::nullopt;
    }
    *value = argv[++i];
  }
  if (i >= argc) {
    *error = "no runtime named";
    return std::nullopt;
  }
  options.launch.runtime = argv[i++];
  for (; i < argc; ++i) {
    options.launch.hostArguments.push_back(argv[i]);
    if (std::strcmp(argv[i], "--image") == 0 && i + 1 < argc) options.image = argv[i + 1];
  }
  if (IsWindowsRuntime(options.launch.runtime)) {
    if (!options.launch.hostArguments.empty()) {
      *error = "a Windows runtime takes no host options";
      return std::nullopt;
    }
    options.image = options.launch.runtime;
  }
  return options;
}

}  // namespace vorna::debug
