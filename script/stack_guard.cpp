#include "script/stack_guard.h"

#include <atomic>

#include "values/errors.h"

namespace vorna {

namespace {

std::atomic<size_t> gStackBudget{kDefaultStackBudget};

// The frame of the caller of the guard's operations. The stack grows
// downwards on every machine this runs on.
#define VORNA_STACK_POSITION() reinterpret_cast<uintptr_t>(__builtin_frame_address(0))

}  // namespace

void SetNativeStackBudget(size_t bytes) {
  gStackBudget.store(bytes);
}

size_t NativeStackBudget() {
  return gStackBudget.load();
}

StackGuard::StackGuard() : base_(VORNA_STACK_POSITION()), budget_(gStackBudget.load()) {}

size_t StackGuard::Used() const {
  uintptr_t here = VORNA_STACK_POSITION();
  return here < base_ ? base_ - here : 0;
}

void StackGuard::Check() const {
  if (Used() > budget_) Raise(errorNumbers::OutOfMemory);
}

}  // namespace vorna
