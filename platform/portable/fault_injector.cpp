#include "platform/portable/fault_injector.h"

#include <cstdlib>
#include <vector>

namespace vorna::platform {

namespace {

constexpr const char* kNames[] = {
    "open",   "read", "write",        "seek",         "flush",   "gettimes",   "settimes",
    "delete", "move", "createfolder", "removefolder", "replace", "createtemp", "registrywrite",
};
static_assert(sizeof(kNames) / sizeof(kNames[0]) == static_cast<size_t>(FaultKind::Count),
              "one name per fault kind");

struct ParsedArm {
  FaultKind kind;
  uint64_t n;
  bool andLater;
};

bool ParseOne(const std::string& item, ParsedArm* arm) {
  size_t colon = item.find(':');
  if (colon == std::string::npos) return false;
  std::string name = item.substr(0, colon);
  std::string number = item.substr(colon + 1);
  arm->andLater = !number.empty() && number.back() == '+';
  if (arm->andLater) number.pop_back();
  if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) return false;
  arm->n = std::strtoull(number.c_str(), nullptr, 10);
  for (size_t k = 0; k < static_cast<size_t>(FaultKind::Count); ++k) {
    if (name == kNames[k]) {
      arm->kind = static_cast<FaultKind>(k);
      return arm->n > 0;
    }
  }
  return false;
}

}  // namespace

void FaultInjector::FailNth(FaultKind kind, uint64_t n) {
  Arm& arm = arms_[static_cast<size_t>(kind)];
  arm.calls = 0;
  arm.andLater = false;
  arm.failAt = n;
}

void FaultInjector::FailFrom(FaultKind kind, uint64_t n) {
  FailNth(kind, n);
  arms_[static_cast<size_t>(kind)].andLater = n > 0;
}

void FaultInjector::Reset() {
  for (Arm& arm : arms_) {
    arm.calls = 0;
    arm.failAt = 0;
    arm.andLater = false;
  }
}

bool FaultInjector::ShouldFail(FaultKind kind) {
  Arm& arm = arms_[static_cast<size_t>(kind)];
  uint64_t call = ++arm.calls;
  uint64_t failAt = arm.failAt;
  if (failAt == 0) return false;
  return arm.andLater ? call >= failAt : call == failAt;
}

uint64_t FaultInjector::Calls(FaultKind kind) const {
  return arms_[static_cast<size_t>(kind)].calls;
}

bool FaultInjector::Parse(const std::string& text) {
  std::vector<ParsedArm> parsed;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(',', start);
    if (end == std::string::npos) end = text.size();
    ParsedArm arm{};
    if (!ParseOne(text.substr(start, end - start), &arm)) return false;
    parsed.push_back(arm);
    start = end + 1;
  }
  for (const ParsedArm& arm : parsed) {
    if (arm.andLater) {
      FailFrom(arm.kind, arm.n);
    } else {
      FailNth(arm.kind, arm.n);
    }
  }
  return true;
}

const char* FaultInjector::Name(FaultKind kind) {
  return kNames[static_cast<size_t>(kind)];
}

}  // namespace vorna::platform
