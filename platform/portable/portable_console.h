// The text console on the portable runner: the runner's own standard output
// and standard input.
#pragma once

#include <cstdio>

#include "platform/system.h"

namespace vorna::platform {

class PortableConsole : public Console {
 public:
  /// out and in default to the process's standard output and input.
  explicit PortableConsole(std::FILE* out = stdout, std::FILE* in = stdin) : out_(out), in_(in) {}

  bool Open() override;
  void Close() override;
  bool IsOpen() const override { return open_; }
  bool Write(const std::string& text) override;
  std::optional<std::string> ReadLine() override;

 private:
  std::FILE* out_;
  std::FILE* in_;
  bool open_ = false;
};

/// Reads one line from in without its line end ("\n" or "\r\n"); nullopt at the end.
std::optional<std::string> ReadTextLine(std::FILE* in);

}  // namespace vorna::platform
