#!/bin/sh
# Runs the number-printing check of both builds and compares their output:
# the Windows build under Wine must print exactly what the Linux build prints.
# Usage: tests/wine/format_number.sh BUILD_WIN32 BUILD_LINUX
set -eu
win32=${1:?usage: $0 BUILD_WIN32 BUILD_LINUX}
linux=${2:?usage: $0 BUILD_WIN32 BUILD_LINUX}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$linux/tests/wine/format_number_check" >"$out/linux.txt"
WINEDEBUG=-all wine "$win32/tests/wine/format_number_check.exe" | tr -d '\r' >"$out/win32.txt"
if ! cmp -s "$out/linux.txt" "$out/win32.txt"; then
  echo "format_number: Windows build prints numbers differently:" >&2
  diff "$out/linux.txt" "$out/win32.txt" | head -20 >&2
  exit 1
fi
echo "format_number: $(wc -l <"$out/linux.txt") numbers print the same on both platforms"
