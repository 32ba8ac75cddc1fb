// vorna.exe: the entry point of the Windows runtime.
//
// The main thread prepares the process, creates the hidden backdrop window,
// starts the interpreter thread and then only pumps messages until the run
// is over.
#include <objbase.h>

#include <cstdlib>
#include <ctime>

#include "host/startup/run_outcome.h"
#include "host/startup/stop_flag.h"
#include "host/win32/backdrop_window.h"
#include "host/win32/interpreter_thread.h"
#include "host/win32/library_search.h"
#include "host/win32/win32_platform.h"
#include "installdata/copy_state.h"
#include "installdata/scramble.h"
#include "platform/win32/window_state.h"

namespace {

/// Pumps messages until the quit message arrives or a stop is requested;
/// answers the quit message's code, which the interpreter thread sets to the
/// run's exit code.
int RunMessageLoop() {
  MSG message;
  // GetMessageA answers 0 for the quit message and -1 on failure; both end the loop.
  BOOL got;
  while ((got = GetMessageA(&message, nullptr, 0, 0)) > 0) {
    if (vorna::StopRequested()) break;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return got == 0 ? static_cast<int>(message.wParam) : vorna::kRuntimeExitCodes.failed;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR commandLine,
                   int /*showCommand*/) {
  // First of all, before anything can load a library on demand.
  vorna::RestrictLibrarySearch();
  vorna::platform::SetInstance(instance);
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  vorna::SetContainerKey(vorna::kInstallerKey);
  CoInitialize(nullptr);
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  vorna::SharedCopyState().Clear();
  vorna::InstallWin32Platform();
  vorna::RegisterBackdropClass(instance);
  vorna::CreateBackdropWindow(instance);
  if (!vorna::StartInterpreterThread(commandLine, GetCurrentThreadId())) {
    return vorna::kRuntimeExitCodes.failed;
  }
  return RunMessageLoop();
}
