// The numbered script errors and the two internal error texts.
//
// Script errors travel as exceptions: a number is thrown as an errorNumbers
// value and an internal error as an InternalError; both unwind to the two
// catchers of the run loop.
#pragma once

#include <cstdint>

#include "values/error_list.h"

namespace vorna {

enum class errorNumbers : int32_t {
#define VORNA_ERROR_NAME(name, number, message) name = number,
  VORNA_ERRORS(VORNA_ERROR_NAME)
#undef VORNA_ERROR_NAME
};

/// An internal error: raised as a text, reported as "?TEXT ERROR:".
struct InternalError {
  const char* text;
};

constexpr const char* kCantExecuteProgram = "CAN'T EXECUTE PROGRAM";
constexpr const char* kTypeMismatchText = "TYPE MISMATCH";

/// Throws the error number; never returns.
[[noreturn]] void Raise(errorNumbers number);
/// Throws an internal error text; never returns.
[[noreturn]] void RaiseText(const char* text);

/// The message of an error number, or nullptr when no error has that number.
const char* MessageOf(int32_t code);

}  // namespace vorna
