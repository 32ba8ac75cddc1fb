#include "host/win32/win32_platform.h"

#include "platform/installed_platform.h"
#include "platform/platform.h"
#include "platform/win32/win32_console.h"
#include "platform/win32/win32_debug_channel.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_interaction.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_system.h"

namespace vorna {

void InstallWin32Platform() {
  // Never destroyed: the interpreter thread may still use them while the
  // main thread returns from the entry point and the process ends.
  platform::Platform machine;
  machine.files = new platform::Win32FileSystem();
  machine.system = new platform::Win32System();
  machine.console = new platform::Win32Console();
  machine.interaction = new platform::Win32Interaction();
  machine.registry = new platform::Win32Registry();
  machine.shell = new platform::Win32Shell();
  // A debugger that starts the runtime with -D hands it a pipe pair as its
  // standard input and output. They are taken now: a console opened later
  // replaces the standard handles with its own.
  machine.debugChannel = new platform::Win32DebugChannel(GetStdHandle(STD_INPUT_HANDLE),
                                                         GetStdHandle(STD_OUTPUT_HANDLE));
  platform::SetPlatform(machine);
}

}  // namespace vorna
