#!/usr/bin/env bash
# The choice of wine_arch.sh, as a suite sees it: each forced answer gives
# the matching build, its own prefix and a `wine` that runs that build's
# programs (where the kernel runs no 32-bit programs, forcing 32 fails with
# the reason instead); a 32-bit loader the kernel cannot run (an executable
# of a foreign machine stands in for it) leads to the 64-bit build; no
# loader that works, or a bad VORNA_WINE_ARCH, fails with the reason.
#
# Usage: tests/wine/wine_arch_test.sh BUILD_WIN32_DIR  (the win64 build beside it is needed too)
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
win32=$(cd "${1:?usage: wine_arch_test.sh BUILD_WIN32_DIR}" && pwd)
win64=$(dirname "$win32")/win64
. "$here/wine_arch.sh"
. "$here/../e2e/lib.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# An ELF executable for ARM: the kernel refuses it with "Exec format error",
# as a kernel without 32-bit support refuses Wine's 32-bit loader.
foreign="$scratch/foreign-loader"
{ printf '\177ELF\001\001\001'; head -c 9 /dev/zero; printf '\002\000\050\000'; head -c 32 /dev/zero; } >"$foreign"
chmod +x "$foreign"

# chosen VAR=VALUE...: what a suite sourcing wine_arch.sh gets with that
# environment: its output, then its build, prefix, architecture and what its
# `wine` prints running the probe program of that build.
chosen() {
  env "$@" bash -c '. "$1"; wine_select "$2" wineprefix || exit 1
    echo "build=$WIN_BUILD"; echo "prefix=$WINEPREFIX"; echo "arch=$WINEARCH"
    echo "ran=$(WINEDEBUG=-all wine "$WIN_BUILD/tests/wine/wine_arch_probe.exe" | tr -d "\r")"' \
    suite "$here/wine_arch.sh" "$win32" 2>&1
}

# expect NAME OUTPUT LINE BUILD BITS: the suite said LINE first and runs the
# BITS-bit programs of BUILD in BUILD's own prefix.
expect() {
  local name=$1 output=$2 line=$3 build=$4 bits=$5
  local want="$line"$'\n'"build=$build"$'\n'"prefix=$build/wineprefix"$'\n'"arch=win$bits"$'\n'"ran=$bits-bit"
  if [ "$(grep -v '^Wine: (chosen by' <<<"$output")" = "$want" ]; then
    pass "$name"
  else
    fail "$name" "got:"$'\n'"$output"$'\n'"expected:"$'\n'"$want"
  fi
}

# refused NAME OUTPUT TEXT...: the choice failed and its message has every TEXT.
refused() {
  local name=$1 output=$2 text
  shift 2
  for text in "$@"; do
    if ! grep -qF -- "$text" <<<"$output" || grep -q '^build=' <<<"$output"; then
      fail "$name" "got:"$'\n'"$output"$'\n'"missing: $text"
      return
    fi
  done
  pass "$name"
}

# Whether the kernel runs the 32-bit loader at all, asked without Wine
# starting any Windows program.
if "$VORNA_WINE32_LOADER" --version >/dev/null 2>&1; then
  expect "VORNA_WINE_ARCH=32 runs the win32 build in a 32-bit prefix" \
    "$(chosen VORNA_WINE_ARCH=32)" "$WINE_LINE_32" "$win32" 32
else
  refused "VORNA_WINE_ARCH=32 fails with the reason where the kernel refuses 32-bit programs" \
    "$(chosen VORNA_WINE_ARCH=32)" "the 32-bit runtime cannot run" "Exec format error"
fi
expect "VORNA_WINE_ARCH=64 runs the win64 build under wine64 in a 64-bit prefix" \
  "$(chosen VORNA_WINE_ARCH=64)" "$WINE_LINE_64" "$win64" 64
expect "a 32-bit loader the kernel refuses leads to the win64 build" \
  "$(chosen VORNA_WINE_ARCH= VORNA_WINE32_LOADER="$foreign")" "$WINE_LINE_64" "$win64" 64
refused "no loader that works fails with both reasons" \
  "$(chosen VORNA_WINE_ARCH= VORNA_WINE32_LOADER="$foreign" VORNA_WINE64_LOADER="$foreign")" \
  "no Windows build can run here" "32-bit: $foreign did not start a 32-bit program" \
  "64-bit: $foreign did not start a 64-bit program" "Exec format error"
refused "a forced 32-bit answer the loader cannot serve fails with the reason" \
  "$(chosen VORNA_WINE_ARCH=32 VORNA_WINE32_LOADER="$foreign")" \
  "the 32-bit runtime cannot run" "Exec format error"
refused "a bad VORNA_WINE_ARCH is refused" "$(chosen VORNA_WINE_ARCH=86)" \
  'VORNA_WINE_ARCH must be 32 or 64, not "86"'

checks_done wine_arch
