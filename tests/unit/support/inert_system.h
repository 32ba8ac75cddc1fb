// A system where nothing starts, sleeps or beeps, the environment is empty
// and the clock stands still; what ending the process does is each test's.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/system.h"

namespace vorna::testing {

class InertSystem : public platform::System {
 public:
  std::optional<uint32_t> StartProcess(const std::string&, int) override { return std::nullopt; }
  std::optional<std::string> Environment(const std::string&) override { return std::nullopt; }
  void Sleep(uint32_t) override {}
  int64_t Now() override { return 0; }
  void Beep(unsigned) override {}
  void DebugOutput(const std::string&) override {}
};

}  // namespace vorna::testing
