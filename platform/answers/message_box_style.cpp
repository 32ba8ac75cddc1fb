#include "platform/answers/message_box_style.h"

#include "platform/interaction.h"

namespace vorna::platform {

namespace {
constexpr int kTryAgain = 10;
constexpr int kContinue = 11;
}  // namespace

std::vector<Choice> ButtonsOf(unsigned style) {
  switch (style & 0xF) {
    case 1:
      return {{"OK", id::Ok}, {"Cancel", id::Cancel}};
    case 2:
      return {{"Abort", id::Abort}, {"Retry", id::Retry}, {"Ignore", id::Ignore}};
    case 3:
      return {{"Yes", id::Yes}, {"No", id::No}, {"Cancel", id::Cancel}};
    case 4:
      return {{"Yes", id::Yes}, {"No", id::No}};
    case 5:
      return {{"Retry", id::Retry}, {"Cancel", id::Cancel}};
    case 6:
      return {{"Cancel", id::Cancel}, {"TryAgain", kTryAgain}, {"Continue", kContinue}};
    default:
      return {{"OK", id::Ok}};
  }
}

size_t DefaultButtonOf(unsigned style, size_t buttonCount) {
  size_t index = (style >> 8) & 0xF;
  return index < buttonCount ? index : 0;
}

const char* IconNameOf(unsigned style) {
  switch (style & 0xF0) {
    case 0x10:
      return "stop";
    case 0x20:
      return "question";
    case 0x30:
      return "exclamation";
    case 0x40:
      return "information";
    default:
      return nullptr;
  }
}

}  // namespace vorna::platform
