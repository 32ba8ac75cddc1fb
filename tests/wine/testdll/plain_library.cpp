// A library without registration entry points.
#include <windows.h>

extern "C" __declspec(dllexport) int __stdcall VornaPlainExport() {
  return 42;
}
