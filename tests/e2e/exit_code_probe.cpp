// Starts a program as a deployment tool does and prints its whole exit code
// ("exit code 1603"), which a shell under Wine sees only in its low 8 bits.
//
// Usage: exit_code_probe PROGRAM [ARGUMENTS...]   (the rest of the command line as it is)
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

/// The command line after this program's own name.
char* RestOfCommandLine() {
  char* line = GetCommandLineA();
  bool quoted = false;
  for (; *line != '\0'; ++line) {
    if (*line == '"') quoted = !quoted;
    if (!quoted && (*line == ' ' || *line == '\t')) break;
  }
  while (*line == ' ' || *line == '\t') ++line;
  return line;
}

}  // namespace

int main() {
  char* command = RestOfCommandLine();
  STARTUPINFOA startup;
  std::memset(&startup, 0, sizeof startup);
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process;
  if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    std::printf("cannot start %s: error %lu\n", command, GetLastError());
    return 2;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  std::printf("exit code %lu\n", code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}
