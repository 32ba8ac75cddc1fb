// The script error an operation raises, for the tests that expect one.
#pragma once

#include "values/errors.h"

namespace vorna::testing {

/// The number of the script error operation raises, or 0 when it raises none.
template <typename F>
int ErrorOf(F&& operation) {
  try {
    operation();
  } catch (errorNumbers number) {
    return static_cast<int>(number);
  }
  return 0;
}

}  // namespace vorna::testing
