#!/usr/bin/env bash
# Runs the Windows services check under Wine and looks at what it left with
# Wine's own tool: the registry through `wine reg query`.
#
# Usage: tests/wine/services.sh BUILD_WIN32_DIR
# Runs the win32 build, or the win64 build beside it where Wine cannot start
# 32-bit programs (wine_arch.sh). The Wine prefix lives under that build
# folder; creating it takes a while the first time.
set -uo pipefail

build=${1:?usage: services.sh BUILD_WIN32_DIR}
. "$(dirname "$0")/wine_arch.sh"
wine_select "$build" wineprefix || exit 1
program="$WIN_BUILD/tests/wine/testdll/services_check.exe"
[ -f "$program" ] || { echo "missing $program: build its preset first" >&2; exit 2; }

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no installer dialogs when the prefix is made
. "$(dirname "$0")/../e2e/lib.sh"

wine reg add 'HKCU\Software\VornaPrepared' /v Value /d 'prepared by reg add' /f >/dev/null 2>&1

link_folder_unix="$WINEPREFIX/drive_c/vorna-services-check"
rm -rf "$link_folder_unix"
output=$(wine "$program" 'C:\vorna-services-check' 2>/dev/null | tr -d '\r')
echo "$output" | grep -E '^(PASS|FAIL):'
program_passed=$(echo "$output" | sed -n 's/^\([0-9]*\) passed, \([0-9]*\) failed$/\1/p')
program_failed=$(echo "$output" | sed -n 's/^\([0-9]*\) passed, \([0-9]*\) failed$/\2/p')
if [ -z "$program_passed" ]; then
  fail "services_check did not finish"
else
  E2E_PASSED=$((E2E_PASSED + program_passed))
  E2E_FAILED=$((E2E_FAILED + program_failed))
fi

query() { wine reg query "$@" 2>/dev/null | tr -d '\r'; }
check "reg query sees the value the registry service wrote" \
  grep -q 'written by services_check' <(query 'HKCU\Software\VornaServicesCheck\Deep\Er' /v Value)
check "reg query sees the default value" \
  grep -Eq '\(Default\)|<NO NAME>' <(query 'HKCU\Software\VornaServicesCheck\Deep\Er')
check "the unregistered library left no value behind" \
  bash -c "! wine reg query 'HKCU\\Software\\VornaTestLibrary' /v Registered >/dev/null 2>&1"

checks_done services
