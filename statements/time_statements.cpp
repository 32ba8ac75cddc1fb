// SLEEP and RANDOMIZE: waiting and the seed of the random numbers.
#include "platform/platform.h"
#include "script/activation.h"
#include "script/interpreter.h"
#include "script/random.h"
#include "statements/system_statements.h"
#include "values/value.h"

namespace vorna {

// sleep -> SLEEP milliseconds
StatementEnd RunSleep(Activation& activation) {
  Value milliseconds;
  activation.ReadNumber(milliseconds, 0, 0);
  int32_t count = milliseconds.AsLong();
  platform::System& system = *activation.interpreter().machine().system;
  // A negative count would reach the system as a wait without end.
  if (count > 0) system.Sleep(static_cast<uint32_t>(count));
  return StatementEnd::Continue;
}

// randomize -> RANDOMIZE
// The seed is always the time in whole seconds: nothing after the word is
// read, so the line goes on only when a ":" follows the word at once.
StatementEnd RunRandomize(Activation& activation) {
  SeedRandom(static_cast<uint32_t>(activation.interpreter().machine().system->Now()));
  if (activation.cursor().current() != ':') return StatementEnd::Advance;
  return StatementEnd::Continue;
}

}  // namespace vorna
