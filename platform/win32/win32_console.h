// The text console on Windows: a console window of the process's own,
// allocated when a script opens it and freed when it closes it.
#pragma once

#include "platform/system.h"
#include "platform/win32/windows_api.h"

namespace vorna::platform {

class Win32Console : public Console {
 public:
  bool Open() override;
  void Close() override;
  bool IsOpen() const override { return open_; }
  bool Write(const std::string& text) override;
  std::optional<std::string> ReadLine() override;

 private:
  bool open_ = false;
  HANDLE output_ = INVALID_HANDLE_VALUE;
  HANDLE input_ = INVALID_HANDLE_VALUE;
};

}  // namespace vorna::platform
