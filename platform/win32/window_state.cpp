#include "platform/win32/window_state.h"

#include <atomic>

namespace vorna::platform {

namespace {
std::atomic<HINSTANCE> instance{nullptr};
std::atomic<HWND> backdrop{nullptr};
// Each edge on its own: a reader may see a rectangle mid-update, which only
// shifts a dialog for one resize, never reads torn memory.
std::atomic<LONG> clientLeft{0}, clientTop{0}, clientRight{0}, clientBottom{0};
}  // namespace

void SetInstance(HINSTANCE value) {
  instance.store(value);
}

HINSTANCE Instance() {
  return instance.load();
}

void SetBackdropWindow(HWND window) {
  backdrop.store(window);
}

HWND BackdropWindow() {
  return backdrop.load();
}

void SetBackdropClientRect(const RECT& rect) {
  clientLeft.store(rect.left);
  clientTop.store(rect.top);
  clientRight.store(rect.right);
  clientBottom.store(rect.bottom);
}

RECT BackdropClientRect() {
  return RECT{clientLeft.load(), clientTop.load(), clientRight.load(), clientBottom.load()};
}

}  // namespace vorna::platform
