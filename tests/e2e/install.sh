# The installation cases of the end-to-end tests, sourced by run.sh after
# lib.sh (and by examples/demo-wine.sh).
#
# The sample product examples/hello is packed behind the runtime and installed
# through its dialogs: the licence is agreed to, the drive and the path are
# taken with OK, the copy runs to its end. Then the installed files (bytes and
# times), the registry values (wine reg query) and the shortcuts are checked.
# The uninstall case (uninstall.sh) starts with this install. Two more cases
# press Cancel during a long copy: No lets it go on and
# COPYFILES answers TRUE, Yes ends it and COPYFILES answers FALSE. One more
# case checks the backdrop's DDE conversation with the Program Manager shell.
#
# Xvfb has no window manager, so Wine is told to place and frame its windows
# itself: the maximised backdrop then covers the screen and the dialogs get
# their captions.

INSTALL_SOURCE=${INSTALL_SOURCE:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
HELLO="$INSTALL_SOURCE/examples/hello"
HELLO_DIR="C:\\Program Files\\Hello"
UNINSTALL_KEY='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Hello'

wine_frames_windows() {
  WINEDEBUG=-all wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
    >/dev/null 2>&1
}

# Back to the default for the cases that follow. Wine keeps the focus it gave
# its own windows for as long as its server runs, so the server is ended
# too, and X is given its default focus again (the window under the pointer).
wine_frames_restored() {
  WINEDEBUG=-all wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1
  WINEDEBUG=-all wineserver -k >/dev/null 2>&1 || true
  WINEDEBUG=-all wineserver -w >/dev/null 2>&1 || true
  xdotool windowfocus 1 >/dev/null 2>&1 || true
}

# run_setup NAME IMAGE: starts a packed image in its folder, like run_runtime.
run_setup() {
  start_wine "$1" "$(dirname "$2")" -all,+msgbox "$(basename "$2")"
}

# step NAME TITLE SHOT KEYS: waits for the next window titled TITLE, saves
# the screenshot SHOT, presses KEYS in it and waits until it is gone.
step() {
  local name=$1 title=$2 shot=$3 keys=$4 id
  shown "$name" "$title" "$shot" || return 1
  sleep 0.5
  # shellcheck disable=SC2086
  xdotool key --window "$id" $keys 2>/dev/null
  if ! wait_gone "$id" 30; then
    fail "$name" "the $shot window did not close on $keys"
    return 1
  fi
}

# The host path of a path on Wine's drive C.
on_drive_c() {
  local path=${1#C:\\}
  echo "$WINEPREFIX/drive_c/${path//\\//}"
}

forget_hello() {
  rm -rf "$(on_drive_c "$HELLO_DIR")"
  find "$WINEPREFIX/drive_c" -path '*Desktop/Hello.lnk' -delete 2>/dev/null
  find "$WINEPREFIX/drive_c" -depth -type d -path '*Programs/Hello' -exec rm -rf {} \; 2>/dev/null
  WINEDEBUG=-all wine reg delete "$UNINSTALL_KEY" /f >/dev/null 2>&1
  WINEDEBUG=-all wine reg delete 'HKCU\Software\Hello' /f >/dev/null 2>&1
}

# registry_has KEY VALUE TEXT
registry_has() {
  WINEDEBUG=-all wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | grep -qF "$3"
}

check_hello_installed() {
  local name=$1 installed problem= file
  installed=$(on_drive_c "$HELLO_DIR")
  # Each payload file with equal bytes and the same last write time.
  while IFS= read -r file; do
    if ! cmp -s "$HELLO/payload/$file" "$installed/$file" ||
      [ "$(stat -c %Y "$HELLO/payload/$file")" != "$(stat -c %Y "$installed/$file")" ]; then
      problem="$file is missing or differs in bytes or time"
      break
    fi
  done < <(cd "$HELLO/payload" && find . -type f | sed 's|^\./||')
  if [ -z "$problem" ] && ! registry_has "$UNINSTALL_KEY" DisplayName Hello; then
    problem="no DisplayName under $UNINSTALL_KEY"
  elif [ -z "$problem" ] && ! registry_has "$UNINSTALL_KEY" InstallLocation 'C:\Program Files\Hello\'; then
    problem="no InstallLocation under $UNINSTALL_KEY"
  elif [ -z "$problem" ] && ! registry_has 'HKCU\Software\Hello' Greeting 'Hello from Vorna'; then
    problem="no Greeting under HKCU\\Software\\Hello"
  elif [ -z "$problem" ] && [ -z "$(find "$WINEPREFIX/drive_c" -path '*Desktop/Hello.lnk')" ]; then
    problem="no Hello.lnk on a desktop"
  elif [ -z "$problem" ] && [ -z "$(find "$WINEPREFIX/drive_c" -path '*Programs/Hello/Read me.lnk')" ]; then
    problem="no Start-menu group with Read me.lnk"
  fi
  if [ -n "$problem" ]; then
    fail "$name" "$problem"
  else
    pass "$name (files with their times, registry values and shortcuts in place)"
  fi
}

case_install_full() {
  local name=install-full image code
  image="$(work_folder "$name")/setup.exe"
  if ! "$PACK" build --stub "$EXE" --scripts "$HELLO/scripts" --files "$HELLO/payload" \
    --out "$image" >"$OUT/$name.pack" 2>&1; then
    fail "$name" "vorna-pack build failed (see $OUT/$name.pack)"
    return
  fi
  forget_hello
  wine_frames_windows
  run_setup "$name" "$image"
  # Agree has the focus (Cancel is the default button), so has the drive
  # dialog's OK; in the path dialog the edit control has it and Tab moves it
  # to OK. Buttons are pressed with the space bar: a Return sent through X
  # can reach the next dialog too. The copy ends by itself; the last box says done.
  step "$name" "License Agreement" licence space &&
    step "$name" "Hello Setup" drive space &&
    step "$name" "Hello Setup" path "Tab space" &&
    wait_progress_end "$name" &&
    step "$name" "Hello Setup" done Return
  if ! code=$(wait_exit "$name" 20); then
    fail "$name" "the setup did not end (see $OUT/$name.log)"
  elif [ "$code" != 0 ]; then
    fail "$name" "exit code $code"
  else
    check_hello_installed "$name"
  fi
  settle "$name"
  wine_frames_restored
}

# The progress dialog may be gone before it is seen: the copy is small.
wait_progress_end() {
  local name=$1 id
  if id=$(wait_window "Hello Setup" 10); then
    screenshot "$name-progress"
    wait_gone "$id" 30 || { fail "$name" "the progress dialog did not close"; return 1; }
  fi
  return 0
}

# A product whose copy takes several seconds: files of random bytes, several
# so that the bar (which advances file by file) shows the copy part done.
# Packed once for both cancel cases.
big_image() {
  local files="$OUT/work/big-payload" image="$OUT/work/big-image/setup.exe" i
  if [ ! -f "$image" ]; then
    mkdir -p "$files" "$(dirname "$image")"
    for i in $(seq 1 12); do head -c 8M /dev/urandom >"$files/PART$i.BIN"; done
    "$PACK" build --stub "$EXE" --scripts "$HERE/fixtures/install-cancel" --files "$files" \
      --out "$image" >"$OUT/big-image.pack" 2>&1 || return 1
  fi
  echo "$image"
}

# case_install_cancel NAME ANSWER-KEYS RESULT EXIT: Cancel in the progress
# dialog as soon as it shows, the quit question answered with ANSWER-KEYS,
# then the result box must say RESULT and the setup end with EXIT (0 when the
# copy went on, $EXIT_CANCELLED when the user quit). While the question is open the copy
# must not advance.
case_install_cancel() {
  local name=$1 keys=$2 result=$3 want=$4 image id progress quit size1 size2 code target
  if ! image=$(big_image); then
    fail "$name" "vorna-pack build failed (see $OUT/big-image.pack)"
    return
  fi
  target="$(on_drive_c 'C:\CancelTest')"
  rm -rf "$target"
  wine_frames_windows
  run_setup "$name" "$image"
  if shown "$name" "Cancel Test" progress; then
    progress=$id
    xdotool key --window "$progress" Escape 2>/dev/null
    if ! quit=$(wait_window "Vorna" 20); then
      if box_text_seen "$name" "COPYFILES TRUE"; then
        fail "$name" "the copy ended before Cancel was pressed (a faster machine needs more data)"
      else
        fail "$name" "Cancel did not ask the quit question"
      fi
    else
      sleep 1
      screenshot "$name-question"
      size1=$(du -sb "$target" 2>/dev/null | cut -f1)
      sleep 2
      size2=$(du -sb "$target" 2>/dev/null | cut -f1)
      # shellcheck disable=SC2086
      xdotool key --window "$quit" $keys 2>/dev/null
      sleep 0.5
      screenshot "$name-answered"
      if [ "$size1" != "$size2" ]; then
        fail "$name" "the copy went on during the question ($size1 then $size2 bytes)"
      elif ! step "$name" "Result" result Return; then
        :
      elif ! box_text_seen "$name" "$result"; then
        fail "$name" "the result box does not say $result (see $OUT/$name.log)"
      elif ! code=$(wait_exit "$name" 20) || [ "$code" != "$want" ]; then
        fail "$name" "the setup did not end with exit code $want"
      elif [ "$result" = "COPYFILES TRUE" ] && ! diff -r -q "$OUT/work/big-payload" "$target" >/dev/null; then
        fail "$name" "the copy did not complete after No"
      elif [ "$result" = "COPYFILES FALSE" ] && [ -e "$target/PART12.BIN" ]; then
        fail "$name" "a stopped copy went on to the last file"
      elif [ -n "$(find "$target" -name '~vorna-*' 2>/dev/null)" ]; then
        fail "$name" "a temporary file was left behind"
      else
        pass "$name (the copy held during the question, then $result)"
      fi
    fi
  fi
  settle "$name"
  wine_frames_restored
}

# The backdrop's DDE conversation: its creation broadcasts the initiation for
# application and topic "PROGMAN" (one string atom for both) with its own
# handle, Wine's shell acknowledges it, and as the server's atom is a string
# atom the conversation stays open (no terminate). Traced by Wine's message
# channel while a script with an empty MAIN runs.
case_progman_conversation() {
  local name=progman-conversation dir code initiate backdrop atoms problem=
  dir=$(work_folder "$name" empty-main)
  start_wine "$name" "$dir" -all,+msg "$EXE"
  if ! code=$(wait_exit "$name" 60) || [ "$code" != 0 ]; then
    fail "$name" "the run did not end by itself with exit code 0"
    settle "$name"
    return
  fi
  initiate=$(grep -a -m1 -o 'msg=WM_DDE_INITIATE,wp=0x[0-9a-f]*,lp=0x[0-9a-f]*' "$OUT/$name.log")
  backdrop=$(sed -n 's/.*wp=0x\([0-9a-f]*\),.*/\1/p' <<<"$initiate")
  atoms=$(sed -n 's/.*lp=0x\([0-9a-f]*\)$/\1/p' <<<"$initiate")
  if [ -z "$initiate" ]; then
    problem="no WM_DDE_INITIATE was sent"
  elif [ "${#atoms}" != 8 ] || [ "${atoms:0:4}" != "${atoms:4:4}" ] || [[ "${atoms:0:1}" != [c-f] ]]; then
    problem="the initiation does not carry one string atom as application and topic ($atoms)"
  elif ! grep -aiq "hwnd=0*${backdrop},msg=WM_DDE_ACK" "$OUT/$name.log"; then
    problem="the backdrop (0x$backdrop) got no acknowledgement"
  elif grep -aq 'WM_DDE_TERMINATE' "$OUT/$name.log"; then
    problem="the conversation was terminated although the server answered with a string atom"
  fi
  if [ -n "$problem" ]; then
    fail "$name" "$problem (see $OUT/$name.log)"
  else
    pass "$name (initiated by the backdrop 0x$backdrop, acknowledged, kept open)"
  fi
}
