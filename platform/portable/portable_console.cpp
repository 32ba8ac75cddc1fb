#include "platform/portable/portable_console.h"

namespace vorna::platform {

std::optional<std::string> ReadTextLine(std::FILE* in) {
  std::string line;
  int c;
  while ((c = std::fgetc(in)) != EOF && c != '\n') line.push_back(static_cast<char>(c));
  if (c == EOF && line.empty()) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

bool PortableConsole::Open() {
  // Standard output is always there; opening only marks the console in use.
  open_ = true;
  return true;
}

void PortableConsole::Close() {
  std::fflush(out_);
  open_ = false;
}

bool PortableConsole::Write(const std::string& text) {
  // Flushed at once so that the output interleaves with the transcript on
  // standard error in the order it happened.
  bool written = std::fwrite(text.data(), 1, text.size(), out_) == text.size();
  return std::fflush(out_) == 0 && written;
}

std::optional<std::string> PortableConsole::ReadLine() {
  std::fflush(out_);
  return ReadTextLine(in_);
}

}  // namespace vorna::platform
