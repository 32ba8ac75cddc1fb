#include "platform/win32/win32_console.h"

namespace vorna::platform {

bool Win32Console::Open() {
  if (open_) return true;
  if (!AllocConsole()) return false;
  output_ = GetStdHandle(STD_OUTPUT_HANDLE);
  input_ = GetStdHandle(STD_INPUT_HANDLE);
  open_ = true;
  return true;
}

void Win32Console::Close() {
  if (!open_) return;
  FreeConsole();
  output_ = input_ = INVALID_HANDLE_VALUE;
  open_ = false;
}

bool Win32Console::Write(const std::string& text) {
  if (!open_) return false;
  DWORD written = 0;
  return WriteFile(output_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
         written == text.size();
}

std::optional<std::string> Win32Console::ReadLine() {
  if (!open_) return std::nullopt;
  // The console hands out a whole line at a time in its line mode; reading
  // one byte at a time leaves the rest of it with the console for next time.
  std::string line;
  char c;
  DWORD got = 0;
  bool any = false;
  while (ReadFile(input_, &c, 1, &got, nullptr) && got == 1) {
    any = true;
    if (c == '\n') break;
    line.push_back(c);
  }
  if (!any) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

}  // namespace vorna::platform
