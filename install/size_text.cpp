#include "install/size_text.h"

#include <cinttypes>
#include <cstdio>

namespace vorna {

namespace {
constexpr uint64_t kKilo = 1024;
constexpr uint64_t kMega = 0x100000;
constexpr uint64_t kGiga = 0x40000000;
}  // namespace

std::string FormatSizeText(uint64_t bytes) {
  char text[64];
  if (bytes < kKilo) {
    std::snprintf(text, sizeof text, "%" PRIu64 " bytes", bytes);
  } else if (bytes < kMega) {
    std::snprintf(text, sizeof text, "%" PRIu64 " K", bytes / kKilo);
  } else if (bytes >= kGiga) {
    std::snprintf(text, sizeof text, "%f GIG", static_cast<double>(bytes) / kGiga);
  } else {
    std::snprintf(text, sizeof text, "%" PRIu64 " MEG", bytes / kMega);
  }
  return text;
}

}  // namespace vorna
