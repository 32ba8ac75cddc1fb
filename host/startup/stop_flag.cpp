#include "host/startup/stop_flag.h"

namespace vorna {

namespace {
std::atomic<bool> stopFlag{false};
}

void RequestStop() {
  stopFlag.store(true, std::memory_order_release);
}

bool StopRequested() {
  return stopFlag.load(std::memory_order_acquire);
}

}  // namespace vorna
