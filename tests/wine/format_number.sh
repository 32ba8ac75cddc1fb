#!/usr/bin/env bash
# Runs the number-printing check of both builds and compares their output:
# the Windows build under Wine must print exactly what the Linux build prints.
# That is the win32 build, or the win64 build beside it where Wine cannot
# start 32-bit programs (wine_arch.sh).
# Usage: tests/wine/format_number.sh BUILD_WIN32 BUILD_LINUX
set -eu
win32=${1:?usage: $0 BUILD_WIN32 BUILD_LINUX}
linux=${2:?usage: $0 BUILD_WIN32 BUILD_LINUX}
. "$(dirname "$0")/wine_arch.sh"
wine_select "$win32" wineprefix || exit 1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$linux/tests/wine/format_number_check" >"$out/linux.txt"
WINEDEBUG=-all wine "$WIN_BUILD/tests/wine/format_number_check.exe" | tr -d '\r' >"$out/windows.txt"
if ! cmp -s "$out/linux.txt" "$out/windows.txt"; then
  echo "format_number: Windows build prints numbers differently:" >&2
  diff "$out/linux.txt" "$out/windows.txt" | head -20 >&2
  exit 1
fi
echo "format_number: $(wc -l <"$out/linux.txt") numbers print the same on both platforms"
