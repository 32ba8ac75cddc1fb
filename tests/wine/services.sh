#!/usr/bin/env bash
# Runs the Windows services check under Wine and looks at what it left with
# Wine's own tools: the registry through `wine reg query`, the shortcut file's
# bytes on disk.
#
# Usage: tests/wine/services.sh BUILD_WIN32_DIR
# Runs the win32 build, or the win64 build beside it where Wine cannot start
# 32-bit programs (wine_arch.sh). The Wine prefix lives under that build
# folder; creating it takes a while the first time.
set -uo pipefail

build=${1:?usage: services.sh BUILD_WIN32_DIR}
. "$(dirname "$0")/wine_arch.sh"
wine_select "$build" wineprefix || exit 1
check="$WIN_BUILD/tests/wine/testdll/services_check.exe"
[ -f "$check" ] || { echo "missing $check: build its preset first" >&2; exit 2; }

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no installer dialogs when the prefix is made
passed=0
failed=0

check() {  # check NAME COMMAND...
  local name=$1
  shift
  if "$@" >/dev/null 2>&1; then
    echo "PASS: $name"
    passed=$((passed + 1))
  else
    echo "FAIL: $name"
    failed=$((failed + 1))
  fi
}

wine reg add 'HKCU\Software\VornaPrepared' /v Value /d 'prepared by reg add' /f >/dev/null 2>&1

link_folder_unix="$WINEPREFIX/drive_c/vorna-services-check"
rm -rf "$link_folder_unix"
output=$(wine "$check" 'C:\vorna-services-check' 2>/dev/null | tr -d '\r')
echo "$output" | grep -E '^(PASS|FAIL):'
program_passed=$(echo "$output" | sed -n 's/^\([0-9]*\) passed, \([0-9]*\) failed$/\1/p')
program_failed=$(echo "$output" | sed -n 's/^\([0-9]*\) passed, \([0-9]*\) failed$/\2/p')
if [ -z "$program_passed" ]; then
  echo "FAIL: services_check did not finish"
  failed=$((failed + 1))
else
  passed=$((passed + program_passed))
  failed=$((failed + program_failed))
fi

query() { wine reg query "$@" 2>/dev/null | tr -d '\r'; }
check "reg query sees the value the registry service wrote" \
  grep -q 'written by services_check' <(query 'HKCU\Software\VornaServicesCheck\Deep\Er' /v Value)
check "reg query sees the default value" \
  grep -Eq '\(Default\)|<NO NAME>' <(query 'HKCU\Software\VornaServicesCheck\Deep\Er')
check "the unregistered library left no value behind" \
  bash -c "! wine reg query 'HKCU\\Software\\VornaTestLibrary' /v Registered >/dev/null 2>&1"

link="$link_folder_unix/Services Check.lnk"
check "the shortcut file exists in the prefix" test -f "$link"
check "the shortcut starts with the link header" \
  bash -c "head -c 20 \"$link\" | od -An -tx1 | tr -d ' \n' | grep -q '^4c0000000114020000000000c000000000000046'"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
