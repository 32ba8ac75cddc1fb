#include <cctype>

#include "tools/debug/runtime_process.h"

namespace vorna::debug {

bool IsWindowsRuntime(const std::string& runtime) {
  if (runtime.size() < 4) return false;
  std::string tail = runtime.substr(runtime.size() - 4);
  for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return tail == ".exe";
}

std::string DebugCommandLine(const RuntimeLaunch& launch) {
  return launch.startup.empty() ? "-D" : "-D " + launch.startup;
}

}  // namespace vorna::debug
