// Starting the runtime on Windows: the pipes become its standard input and
// output, inherited through the start-up information.
#ifdef _WIN32

#include <stdexcept>

#include "platform/win32/win32_debug_channel.h"
#include "tools/debug/runtime_process.h"

namespace vorna::debug {

namespace {

class Win32Runtime : public RuntimeProcess {
 public:
  Win32Runtime(HANDLE process, HANDLE read, HANDLE write)
      : process_(process), read_(read), write_(write), channel_(read, write) {}
  ~Win32Runtime() override {
    CloseEnds();
    if (process_ != nullptr) CloseHandle(process_);
  }

  platform::DebugChannel& channel() override { return channel_; }
  int Wait() override {
    CloseEnds();
    if (process_ == nullptr) return 0;
    WaitForSingleObject(process_, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return static_cast<int>(code);
  }

 private:
  void CloseEnds() {
    if (read_ != nullptr) CloseHandle(read_);
    if (write_ != nullptr) CloseHandle(write_);
    read_ = write_ = nullptr;
  }

  HANDLE process_;
  HANDLE read_;
  HANDLE write_;
  platform::Win32DebugChannel channel_;
};

// A pipe whose end for the runtime is inheritable and whose end for the
// client is not.
void MakePipe(HANDLE* read, HANDLE* write, bool runtimeReads) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  if (!CreatePipe(read, write, &inherit, 0)) throw std::runtime_error("cannot create a pipe");
  SetHandleInformation(runtimeReads ? *write : *read, HANDLE_FLAG_INHERIT, 0);
}

}  // namespace

std::unique_ptr<RuntimeProcess> StartRuntime(const RuntimeLaunch& launch) {
  HANDLE runtimeIn = nullptr, clientOut = nullptr, clientIn = nullptr, runtimeOut = nullptr;
  MakePipe(&runtimeIn, &clientOut, true);
  MakePipe(&clientIn, &runtimeOut, false);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = runtimeIn;
  startup.hStdOutput = runtimeOut;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  std::string commandLine = "\"" + launch.runtime + "\" " + DebugCommandLine(launch);
  PROCESS_INFORMATION process{};
  BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                nullptr, &startup, &process);
  CloseHandle(runtimeIn);
  CloseHandle(runtimeOut);
  if (!started) {
    CloseHandle(clientIn);
    CloseHandle(clientOut);
    throw std::runtime_error("cannot start " + launch.runtime);
  }
  CloseHandle(process.hThread);
  return std::make_unique<Win32Runtime>(process.hProcess, clientIn, clientOut);
}

}  // namespace vorna::debug

#endif
