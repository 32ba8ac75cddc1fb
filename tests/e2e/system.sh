#!/usr/bin/env bash
# End-to-end tests of the system statements, SPECIALFOLDER and the file dialog
# object in the real vorna.exe under Wine: what the scripts leave behind is
# read back with Wine's own tools (reg query, the shell's link object).
#
#   tests/e2e/system.sh BUILD_WIN32_DIR
#
# Runs the win32 build, or the win64 build beside it where Wine cannot start
# 32-bit programs (tests/wine/wine_arch.sh).
set -uo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 BUILD_WIN32_DIR" >&2
  exit 2
fi
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/../wine/wine_arch.sh"
# The Wine prefix is the one the other end-to-end tests use.
wine_select "$1" e2e/wineprefix || exit 1
BUILD=$WIN_BUILD
EXE="$BUILD/host/win32/vorna.exe"
PROBE="$BUILD/tests/wine/link_probe.exe"
OUT="$BUILD/e2e-system"
mkdir -p "$OUT"
rm -rf "$OUT"/*.png "$OUT"/*.log "$OUT"/*.rc "$OUT"/*.out "$OUT/work"

. "$HERE/lib.sh"
trap stop_all EXIT

for file in "$EXE" "$PROBE"; do
  [ -f "$file" ] || { echo "e2e: no $file (build its preset first)" >&2; exit 2; }
done

work_folder() {
  local dir="$OUT/work/$1"
  mkdir -p "$dir"
  cp "$HERE/fixtures/$2"/* "$dir"/
  echo "$dir"
}

settle() {
  if [ ! -s "$OUT/$1.rc" ]; then
    WINEDEBUG=-all wineserver -k >/dev/null 2>&1 || true
    wait_exit "$1" 10 >/dev/null || true
  fi
}

query() { WINEDEBUG=-all wine reg query "$@" 2>/dev/null | tr -d '\r'; }

# The data of one REG_SZ value, as reg query prints it.
reg_text() { query "$1" /v "$2" | sed -n 's/^ *[^ ].*REG_SZ *//p' | head -n1; }

# The text of the box titled... as Wine traced it, with its backslashes undoubled.
traced_box_text() {
  grep -ao 'MSGBOX_OnInit L"[^"]*"' "$OUT/$1.log" | sed 's/^MSGBOX_OnInit L"//; s/"$//; s/\\\\/\\/g' |
    grep -F -- "$2" | head -n1
}

# close_box CASE TITLE: the box titled TITLE gets its screenshot and is closed
# with Enter, after which the runtime must end with exit code 0.
close_box() {
  local name=$1 title=$2 id code
  if ! id=$(wait_window "$title" 60); then
    fail "$name" "no window titled \"$title\" (see $OUT/$name.log)"
    return
  fi
  sleep 0.5
  screenshot "$name"
  xdotool key --window "$id" Return 2>/dev/null
  if ! wait_gone "$id" 15; then
    fail "$name" "the box did not close on Enter"
  elif ! code=$(wait_exit "$name" 5) || [ "$code" != 0 ]; then
    fail "$name" "the process did not end with exit code 0 after the box"
  else
    pass "$name (the script ran to its closing box)"
  fi
}

case_services() {
  local name=services dir desktop shown
  dir=$(work_folder "$name" system-services)
  query 'HKCU\Software\Vorna E2E' >/dev/null && WINEDEBUG=-all wine reg delete 'HKCU\Software\Vorna E2E' /f >/dev/null 2>&1
  rm -rf "$WINEPREFIX/drive_c/Vorna E2E"
  run_runtime "$name" "$dir"
  close_box "$name" "E2E services"
  settle "$name"

  desktop=$(reg_text 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' Desktop)
  shown=$(traced_box_text "$name" "desktop=")
  if [ -z "$desktop" ]; then
    fail "special folder" "the prefix lists no current-user Desktop folder"
  elif [ "$shown" != "desktop=$desktop" ]; then
    fail "special folder" "SPECIALFOLDER(\"DESKTOP\", FALSE) gave \"${shown#desktop=}\", the prefix lists \"$desktop\""
  else
    pass "special folder (the prefix's desktop: $desktop)"
  fi

  local value default
  value=$(reg_text 'HKCU\Software\Vorna E2E\Deep\Er' Name)
  default=$(query 'HKCU\Software\Vorna E2E' | grep -E '\(Default\)|<NO NAME>')
  if [ "$value" != "set by the script" ]; then
    fail "registry" "reg query reads \"$value\" for the value the script set"
  elif [[ "$default" != *"the default"* ]]; then
    fail "registry" "reg query sees no default value \"the default\" ($default)"
  else
    pass "registry (reg query sees the value and the default value)"
  fi

  local link="C:\\Vorna E2E\\Links\\Notes.lnk" read
  read=$(cd "$OUT" && WINEDEBUG=-all wine "$PROBE" "$link" 2>"$OUT/$name-probe.err" | tr -d '\r')
  if ! grep -qix 'target=C:\\windows\\notepad.exe' <<<"$read"; then
    fail "shortcut" "the shell reads back: $read $(cat "$OUT/$name-probe.err")"
  elif ! grep -qx 'description=Notes from the script' <<<"$read"; then
    fail "shortcut" "the shell reads the description back as: $read"
  else
    pass "shortcut (the shell reads back the target and the description)"
  fi
}

case_msgbox() {
  local name=msgbox dir id
  dir=$(work_folder "$name" system-msgbox)
  run_runtime "$name" "$dir"
  if ! id=$(wait_window "E2E caution" 60); then
    fail "$name" "no box titled \"E2E caution\" (see $OUT/$name.log)"
    settle "$name"
    return
  fi
  sleep 0.5
  screenshot "$name-caution"
  if ! box_text_seen "$name" "Mind the step"; then
    fail "$name" "the box does not say \"Mind the step\""
  else
    pass "$name: the box has the script's caption and text"
  fi
  xdotool key --window "$id" Return 2>/dev/null
  if ! wait_gone "$id" 15; then
    fail "$name" "the box did not close on Enter"
    settle "$name"
    return
  fi
  # The script goes on only once MSGBOX returned.
  if ! id=$(wait_window "E2E after" 30); then
    fail "$name" "no box titled \"E2E after\": the first MSGBOX did not return"
    settle "$name"
    return
  fi
  xdotool key --window "$id" Return 2>/dev/null
  # With the text alone the caption is the program's own path.
  local own
  own=$(WINEDEBUG=-all winepath -w "$EXE" 2>/dev/null | tr -d '\r' | sed 's/[][\\.*^$]/\\&/g')
  expect_box "$name" "$own" "Captioned with the program" no
  settle "$name"
}

case_file_dialog() {
  local name=file-dialog dir id
  dir=$(work_folder "$name" system-file-dialog)
  run_runtime "$name" "$dir"
  if ! id=$(wait_window "E2E open" 60); then
    fail "$name" "no dialog titled \"E2E open\" (see $OUT/$name.log)"
    settle "$name"
    return
  fi
  sleep 1
  screenshot "$name-open"
  pass "$name: the Open dialog shows with the script's title"
  xdotool key --window "$id" Escape 2>/dev/null
  if ! wait_gone "$id" 15; then
    fail "$name" "the dialog did not close on Escape"
    settle "$name"
    return
  fi
  expect_box "$name" "E2E result" "cancelled, FILE=kept.txt" no
  settle "$name"
}

case_save_dialog() {
  local name=save-dialog dir id
  dir=$(work_folder "$name" system-save-dialog)
  rm -f "$WINEPREFIX/drive_c/e2e-saved.txt"
  run_runtime "$name" "$dir"
  if ! id=$(wait_window "E2E save" 60); then
    fail "$name" "no dialog titled \"E2E save\" (see $OUT/$name.log)"
    settle "$name"
    return
  fi
  sleep 1
  xdotool type --window "$id" "e2e-saved" 2>/dev/null
  sleep 0.5
  screenshot "$name-typed"
  xdotool key --window "$id" Return 2>/dev/null
  if ! wait_gone "$id" 15; then
    fail "$name" "the dialog did not close on Enter"
    settle "$name"
    return
  fi
  expect_box "$name" "E2E result" 'chosen C:\\e2e-saved.txt titled e2e-saved.txt' no
  settle "$name"
}

start_display || exit 1
prepare_wine
with_retry case_services
with_retry case_msgbox
with_retry case_file_dialog
with_retry case_save_dialog

echo "e2e (system): screenshots and logs in $OUT"
echo "$E2E_PASSED passed, $E2E_FAILED failed"
[ "$E2E_FAILED" -eq 0 ]
