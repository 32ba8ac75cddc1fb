#include "host/win32/interpreter_thread.h"

#include <objbase.h>

#include "host/startup/script_entry.h"
#include "script/stack_guard.h"
#include "vorna_version.h"

namespace vorna {

namespace {

constexpr SIZE_T kInterpreterStackSize = 16384;
// The thread reserves the executable's default stack (two megabytes); scripts
// may recurse into all of it but the last half megabyte.
constexpr size_t kScriptStackBudget = 1536 * 1024;

struct ThreadStart {
  const char* commandLine;
  DWORD mainThreadId;
};

ThreadStart threadStart;

DWORD WINAPI InterpreterThread(LPVOID parameter) {
  const ThreadStart& start = *static_cast<const ThreadStart*>(parameter);
  CoInitialize(nullptr);
  RunHost host;
  host.version = VORNA_VERSION;
  int exitCode = RunScriptEntry(start.commandLine, host);
  CoUninitialize();
  // The run is over (MAIN returned, or nothing could run): the process must
  // end rather than idle on with a hidden window, so the main thread is told,
  // with the exit code as the quit message's code.
  PostThreadMessageA(start.mainThreadId, WM_QUIT, static_cast<WPARAM>(exitCode), 0);
  return 0;
}

}  // namespace

bool StartInterpreterThread(const char* commandLine, DWORD mainThreadId) {
  SetNativeStackBudget(kScriptStackBudget);
  threadStart = ThreadStart{commandLine, mainThreadId};
  DWORD threadId = 0;
  HANDLE thread =
      CreateThread(nullptr, kInterpreterStackSize, InterpreterThread, &threadStart, 0, &threadId);
  if (thread == nullptr) return false;
  CloseHandle(thread);
  return true;
}

}  // namespace vorna
