#include "platform/win32/win32_system.h"

#include <ctime>
#include <vector>

#include "platform/win32/windows_api.h"

namespace vorna::platform {

std::optional<uint32_t> Win32System::StartProcess(const std::string& commandLine, int showState) {
  // The start-up information carries only the show state; position and size
  // are left to the system.
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showState);
  startup.dwX = startup.dwY = startup.dwXSize = startup.dwYSize = CW_USEDEFAULT;
  PROCESS_INFORMATION process{};
  // CreateProcessA may write into the command line, so it gets a copy.
  std::vector<char> text(commandLine.begin(), commandLine.end());
  text.push_back('\0');
  if (!CreateProcessA(nullptr, text.data(), nullptr, nullptr, TRUE, CREATE_NEW_CONSOLE, nullptr,
                      nullptr, &startup, &process)) {
    return std::nullopt;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<uint32_t>(process.dwProcessId);
}

std::optional<std::string> Win32System::Environment(const std::string& name) {
  DWORD size = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
  if (size == 0) return std::nullopt;
  std::vector<char> value(size);
  DWORD length = GetEnvironmentVariableA(name.c_str(), value.data(), size);
  if (length == 0 || length >= size) return std::nullopt;
  return std::string(value.data(), length);
}

void Win32System::Sleep(uint32_t milliseconds) {
  ::Sleep(milliseconds);
}

int64_t Win32System::Now() {
  return static_cast<int64_t>(std::time(nullptr));
}

void Win32System::Beep(unsigned type) {
  MessageBeep(type);
}

void Win32System::DebugOutput(const std::string& text) {
  OutputDebugStringA(text.c_str());
}

void Win32System::ExitProcess(int code) {
  ::ExitProcess(static_cast<UINT>(code));
}

std::optional<std::string> Win32System::TemporaryFolder() {
  char buffer[MAX_PATH + 1];
  DWORD length = GetTempPathA(sizeof buffer, buffer);
  if (length == 0 || length >= sizeof buffer) return std::nullopt;
  std::string folder(buffer, length);
  if (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
  return folder;
}

uint32_t Win32System::ProcessId() {
  return static_cast<uint32_t>(GetCurrentProcessId());
}

bool Win32System::WaitForProcess(uint32_t id) {
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(id));
  if (process == nullptr) return false;
  DWORD waited = WaitForSingleObject(process, INFINITE);
  CloseHandle(process);
  return waited == WAIT_OBJECT_0;
}

}  // namespace vorna::platform
