// vorna-pack: builds install images from a runtime stub and a folder of
// scripts, checks scripts before they ship, starts new products, and lists
// what an image holds.

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "tools/pack/commands.h"
#include "tools/pack/options.h"
#include "vorna_version.h"

namespace {

constexpr const char* kUsage =
    "usage: vorna-pack build --stub FILE --scripts DIR --out FILE [--files DIR] [--no-check] [-v]\n"
    "                        [--product NAME --version X.Y.Z [--company NAME] [--copyright TEXT]]\n"
    "                        [--icon FILE.ico] [--execution-level admin|highest|user]\n"
    "       vorna-pack check SCRIPTS-DIR|IMAGE\n"
    "       vorna-pack new DIR\n"
    "       vorna-pack list IMAGE\n"
    "       vorna-pack extract IMAGE DIR\n"
    "       vorna-pack verify IMAGE\n"
    "       vorna-pack --version\n";

int Run(const std::vector<std::string>& args) {
  using namespace vorna::pack;
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    std::fputs(kUsage, args.empty() ? stderr : stdout);
    return args.empty() ? 2 : 0;
  }
  if (args[0] == "--version") {
    std::printf("vorna-pack %s\n", VORNA_VERSION);
    return 0;
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (args[0] == "build") {
    BuildCommand(rest);
  } else if (args[0] == "check") {
    CheckCommand(rest);
  } else if (args[0] == "new") {
    NewCommand(rest);
  } else if (args[0] == "list") {
    ListCommand(rest);
  } else if (args[0] == "extract") {
    ExtractCommand(rest);
  } else if (args[0] == "verify") {
    VerifyCommand(rest);
  } else if (args[0].rfind("-", 0) == 0) {
    throw UsageError("unknown option " + args[0]);
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
  } catch (const vorna::pack::CheckFailed&) {
    return 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "vorna-pack: %s\n", error.what());
    return 1;
  }
}
