// The trivial Windows program wine_arch.sh starts to learn whether a Wine
// loader runs programs of this build's width: prints "32-bit" or "64-bit".
#include <cstdio>

int main() {
  std::printf("%u-bit\n", static_cast<unsigned>(sizeof(void*) * 8));
  return 0;
}
