// vorna-pack: builds install images from a runtime stub and a folder of
// scripts, and lists what an image holds.

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "tools/pack/commands.h"
#include "tools/pack/options.h"

namespace {

constexpr const char* kUsage =
    "usage: vorna-pack build --stub FILE --scripts DIR --out FILE [--files DIR]\n"
    "       vorna-pack list IMAGE\n"
    "       vorna-pack extract IMAGE DIR\n"
    "       vorna-pack verify IMAGE\n";

int Run(const std::vector<std::string>& args) {
  using namespace vorna::pack;
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    std::fputs(kUsage, args.empty() ? stderr : stdout);
    return args.empty() ? 2 : 0;
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (args[0] == "build") {
    BuildCommand(rest);
  } else if (args[0] == "list") {
    ListCommand(rest);
  } else if (args[0] == "extract") {
    ExtractCommand(rest);
  } else if (args[0] == "verify") {
    VerifyCommand(rest);
  } else {
    throw UsageError("unknown command '" + args[0] + "'");
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const vorna::pack::UsageError& error) {
    std::fprintf(stderr, "vorna-pack: %s\n%s", error.what(), kUsage);
    return 2;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "vorna-pack: %s\n", error.what());
    return 1;
  }
}
