#!/usr/bin/env bash
# End-to-end tests of the real vorna.exe under Wine and a private X server.
#
#   tests/e2e/run.sh BUILD_WIN32_DIR [FILTER]
#
# FILTER, when given, runs only the cases whose call contains it (for example
# "unattended").
#
# What only the real Windows program shows: its start-up boxes, dialogs
# driven with keys (xdotool) with a screenshot of each under e2e/ of the
# build it runs, the error dialog, the debugger's pipes, unattended exit codes
# and log, the hardening probes and the uninstall. That is the win32 build,
# or the win64 build beside it where Wine cannot start 32-bit programs
# (tests/wine/wine_arch.sh); the checks of the shipped file itself always
# read the win32 build's vorna.exe.
set -uo pipefail

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: $0 BUILD_WIN32_DIR [FILTER]" >&2
  exit 2
fi
E2E_FILTER=${2:-}
HERE=$(cd "$(dirname "$0")" && pwd)
SOURCE=$(cd "$HERE/../.." && pwd)
BUILD32=$(cd "$1" && pwd)
. "$SOURCE/tests/wine/wine_arch.sh"
wine_select "$BUILD32" e2e/wineprefix || exit 1
BUILD=$WIN_BUILD
EXE="$BUILD/host/win32/vorna.exe"
OUT="$BUILD/e2e"
PACK="${VORNA_PACK:-$SOURCE/build/linux/tools/pack/vorna-pack}"
mkdir -p "$OUT"
rm -f "$OUT"/*.png "$OUT"/*.log "$OUT"/*.rc "$OUT"/*.out
rm -rf "$OUT/work"

for file in lib script_error dialogs install uninstall debugger unattended hardening; do
  . "$HERE/$file.sh"
done
trap stop_all EXIT

for file in "$EXE" "$PACK"; do
  [ -f "$file" ] || { echo "e2e: no $file (build its preset first)" >&2; exit 2; }
done

# The shipped runtime, the win32 build's, whichever build the cases run.
check_binary() {
  local format dlls extra subsystem sections exe="$BUILD32/host/win32/vorna.exe"
  subsystem=$(i686-w64-mingw32-objdump -p "$exe" | grep '^Subsystem')
  sections=$(i686-w64-mingw32-objdump -h "$exe" | awk '{ print $2 }')
  format=$(i686-w64-mingw32-objdump -f "$exe" | grep -o 'file format [a-z0-9-]*')
  dlls=$(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/.*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
  extra=$(echo "$dlls" | grep -v -x -E 'kernel32.dll|user32.dll|gdi32.dll|msvcrt.dll|ole32.dll|oleaut32.dll|advapi32.dll|shell32.dll|comdlg32.dll|comctl32.dll|uuid.dll' || true)
  if [ "$format" != "file format pei-i386" ]; then
    fail "binary" "not a 32-bit PE ($format)"
  elif [[ "$subsystem" != *"(Windows GUI)"* ]]; then
    fail "binary" "not a GUI-subsystem program"
  elif [ -n "$extra" ]; then
    fail "binary" "imports DLLs that Windows does not have: $(echo $extra)"
  elif grep -q '^\.debug' <<<"$sections"; then
    fail "binary" "carries debug sections: $(grep '^\.debug' <<<"$sections" | tr '\n' ' ')"
  elif ! grep -q -x '\.gnu_debuglink' <<<"$sections" || [ ! -s "$exe.debug" ]; then
    fail "binary" "no debug link to a $(basename "$exe").debug beside it"
  else
    pass "binary (32-bit GUI PE importing only $(echo $dlls))"
  fi
}

# case_box CASE FIXTURE TITLE TEXT DEBUG-TOO EXIT ARGS...: a start-up box,
# after which the run ends with EXIT ($EXIT_FAILED for a start-up failure).
case_box() {
  local name=$1 fixture=$2 title=$3 text=$4 debugToo=$5 want=$6
  shift 6
  local dir
  dir=$(work_folder "$name" "$fixture")
  run_runtime "$name" "$dir" "$@"
  expect_box "$name" "$title" "$text" "$debugToo" "$want"
  settle "$name"
}

# Modules packed into a setup image: the runtime reads them from its own
# file (the message from a plain folder is tests/runner/vorna_run_test.sh's).
case_packed_no_main() {
  local name=packed-no-main dir
  dir=$(work_folder "$name")
  # The fixture fails the check on purpose: the setup must say so itself.
  if ! "$PACK" build --no-check --stub "$EXE" --scripts "$HERE/fixtures/no-main" \
      --out "$dir/setup.exe" >"$OUT/$name.pack" 2>&1; then
    fail "$name" "vorna-pack build failed (see $OUT/$name.pack)"
    return
  fi
  start_wine "$name" "$dir" -all,+debugstr,+msgbox setup.exe
  expect_box "$name" "VORNA!" "Main function not found." yes "$EXIT_FAILED"
  settle "$name"
}

start_display || exit 1
prepare_wine
check_binary
with_retry case_box invalid-switch "" "VORNA!" "Invalid command switch: x." yes "$EXIT_FAILED" -x
with_retry case_box help "" "VORNA!" "No arguments available." yes 0 /?
with_retry case_box missing-startup "" "File Not Found" "STARTUP.CTL" no "$EXIT_FAILED"
with_retry case_packed_no_main
with_retry case_script_error_dialog
with_retry case_input_dialog
with_retry case_msgbox
with_retry case_file_dialog
with_retry case_save_dialog
with_retry case_progman_conversation
with_retry case_install_cancel install-cancel-no "Tab space" "COPYFILES TRUE" 0
with_retry case_install_cancel install-cancel-yes "space" "COPYFILES FALSE" "$EXIT_CANCELLED"
with_retry case_debugger_error_stop
with_retry case_debugger_windows_client
with_retry case_unattended_identity
with_retry case_unattended_accept_all
with_retry case_unattended_licence_refused
with_retry case_unattended_unanswered
with_retry case_hardening_relative_library
with_retry case_hardening_planted_library
with_retry case_hardening_debugger_pipes
with_retry case_uninstall

echo "e2e: screenshots and logs in $OUT"
checks_done e2e
