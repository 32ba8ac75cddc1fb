// The interpreter thread: all script work runs here, away from the main
// thread's message loop.
#pragma once

#include "platform/win32/windows_api.h"

namespace vorna {

/// Starts the script entry on a thread of its own with the command-line text;
/// when it ends, the main thread (mainThreadId) gets the quit message with
/// the run's exit code.
/// Answers false when the thread cannot be created.
bool StartInterpreterThread(const char* commandLine, DWORD mainThreadId);

}  // namespace vorna
