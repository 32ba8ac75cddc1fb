#include "platform/portable/portable_system.h"

#include <strings.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <thread>

extern char** environ;

namespace vorna::platform {

std::optional<std::string> FindEnvironmentVariable(const std::string& name) {
  if (name.empty() || name.find('=') != std::string::npos) return std::nullopt;
  if (const char* exact = std::getenv(name.c_str())) return std::string(exact);
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    const char* equals = std::strchr(*entry, '=');
    if (equals == nullptr || static_cast<size_t>(equals - *entry) != name.size()) continue;
    if (strncasecmp(*entry, name.c_str(), name.size()) == 0) return std::string(equals + 1);
  }
  return std::nullopt;
}

void PortableSystem::AtExit(std::function<void()> hook) {
  exitHooks_.push_back(std::move(hook));
}

std::optional<uint32_t> PortableSystem::StartProcess(const std::string& commandLine,
                                                     int /*showState*/) {
  // The sandbox runs no programs of the host: the script sees a failed start.
  std::fprintf(log_, "[shell] not started in the sandbox: %s\n", commandLine.c_str());
  std::fflush(log_);
  return std::nullopt;
}

std::optional<std::string> PortableSystem::Environment(const std::string& name) {
  return FindEnvironmentVariable(name);
}

void PortableSystem::Sleep(uint32_t milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

int64_t PortableSystem::Now() {
  return static_cast<int64_t>(std::time(nullptr));
}

void PortableSystem::Beep(unsigned type) {
  std::fprintf(log_, "[beep] %u\n", type);
  std::fflush(log_);
}

void PortableSystem::DebugOutput(const std::string& text) {
  std::fprintf(log_, "[debug] %s\n", text.c_str());
  std::fflush(log_);
}

void PortableSystem::ExitProcess(int code) {
  std::fflush(stdout);
  std::fflush(log_);
  for (auto hook = exitHooks_.rbegin(); hook != exitHooks_.rend(); ++hook) (*hook)();
  // Like the system call it stands for: no destructors, no atexit handlers.
  std::_Exit(code);
}

}  // namespace vorna::platform
