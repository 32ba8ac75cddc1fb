#include "values/errors.h"

namespace vorna {

namespace {

// Every number from 1 to the last is an error, each once.
constexpr bool NumberedInOrder() {
  int32_t expected = 1;
#define VORNA_ERROR_CHECK(name, number, message) \
  if (number != expected++) return false;
  VORNA_ERRORS(VORNA_ERROR_CHECK)
#undef VORNA_ERROR_CHECK
  return true;
}
static_assert(NumberedInOrder(), "the errors are numbered 1, 2, 3, ... in list order");

}  // namespace

void Raise(errorNumbers number) {
  throw number;
}

void RaiseText(const char* text) {
  throw InternalError{text};
}

const char* MessageOf(int32_t code) {
  switch (static_cast<errorNumbers>(code)) {
#define VORNA_ERROR_MESSAGE(name, number, message) \
  case errorNumbers::name:                         \
    return message;
    VORNA_ERRORS(VORNA_ERROR_MESSAGE)
#undef VORNA_ERROR_MESSAGE
  }
  return nullptr;
}

}  // namespace vorna
