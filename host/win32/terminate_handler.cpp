// What ends the runtime when an exception escapes every handler.
//
// The C++ library's default handler names the exception's type on the
// standard error stream, which a GUI program does not have, and to do so
// links in a symbol demangler that would be the largest single part of the
// runtime. Defining that handler here keeps the library's version, and its
// demangler, out of the link; the process ends exactly as it would after the
// message: with abort.
#include <cstdlib>

namespace __gnu_cxx {
// Declared by the library (<ext/exception.h>) and installed by it as the
// start-up value of std::get_terminate().
[[noreturn]] void __verbose_terminate_handler() {
  std::abort();
}
}  // namespace __gnu_cxx
