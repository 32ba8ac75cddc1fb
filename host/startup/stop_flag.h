// The stop flag: set by the interpreter thread when the run is over (a bare
// END, Abort in the error dialog), read by the main thread after each message.
//
// It lives for the whole process rather than inside the interpreter, so that
// the main thread can read it at any time, even after the interpreter thread
// has freed everything it owned.
#pragma once

#include <atomic>

namespace vorna {

/// Asks the main thread to end the process at its next message.
void RequestStop();
/// True once a stop was requested.
bool StopRequested();

}  // namespace vorna
