// A test program for the end-to-end tests: shows the runtime's error dialog
// with a fixed report and ends with the dialog's answer as its exit code.
//
//   error-dialog-probe.exe [debug]
//
// "debug" enables the Debug button, as an attached debugger would.
#include <cstring>

#include "platform/interaction.h"
#include "platform/win32/win32_interaction.h"
#include "platform/win32/window_state.h"
#include "platform/win32/windows_api.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  vorna::platform::SetInstance(instance);
  vorna::platform::ErrorReport report;
  report.module = "INSTALL";
  report.procedure = "COPYALL";
  report.message = "Type Mismatch Error";
  report.statement = "X = \"A\" + 1";
  report.debugEnabled = std::strstr(commandLine, "debug") != nullptr;
  vorna::platform::Win32Interaction interaction;
  return static_cast<int>(interaction.ErrorDialog(report));
}
