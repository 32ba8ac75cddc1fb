# Helpers of the end-to-end tests: a private X server, a private Wine prefix,
# and the runtime started, watched and closed through X.
#
# Sourced by run.sh (and by the golden-script runner, the signed-image suite
# and examples/demo-wine.sh), which set BUILD (the Windows build folder), OUT
# (where transcripts and screenshots go) and EXE (the runtime), and have
# chosen the Wine prefix with wine_select (tests/wine/wine_arch.sh).

XVFB_PID=
# The runtime ends with 1603 when the run failed and 1602 when the user quit;
# Wine hands a shell only the low 8 bits of a Windows exit code.
EXIT_FAILED=$((1603 % 256))
EXIT_CANCELLED=$((1602 % 256))
E2E_PASSED=0
E2E_FAILED=0

# Starts Xvfb on a free display and exports DISPLAY.
start_display() {
  local fdfile="$OUT/xvfb.display"
  rm -f "$fdfile"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 1 100); do
    [ -s "$fdfile" ] && break
    sleep 0.1
  done
  [ -s "$fdfile" ] || { echo "e2e: Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(head -n1 "$fdfile")"
}

# Makes sure the chosen Wine prefix is there (about 20 s the first time).
prepare_wine() {
  : "${WINEPREFIX:?wine_select chooses the Wine prefix first}"
  export WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "e2e: creating the Wine prefix in $WINEPREFIX"
    WINEDEBUG=-all wineboot -i >/dev/null 2>&1
  fi
  WINEDEBUG=-all wineserver -p 30 >/dev/null 2>&1 || true
}

stop_all() {
  if [ -n "${WINEPREFIX:-}" ]; then WINEDEBUG=-all wineserver -k >/dev/null 2>&1 || true; fi
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
}

pass() {
  E2E_PASSED=$((E2E_PASSED + 1))
  echo "PASS $1"
}

fail() {
  E2E_FAILED=$((E2E_FAILED + 1))
  echo "FAIL $1${2:+: $2}"
}

# check NAME COMMAND...: one check of a suite, passed when COMMAND succeeds.
# A failure shows the last lines of the file CHECK_SHOWS names, if any (the
# error output of the tool under test).
check() {
  local name=$1
  shift
  if "$@"; then
    pass "$name"
    return
  fi
  fail "$name"
  if [ -s "${CHECK_SHOWS:-}" ]; then tail -n 20 "$CHECK_SHOWS" | sed 's/^/    /'; fi
}

# checks_done SUITE: the suite's count; fails when a check failed.
checks_done() {
  echo "$1: $E2E_PASSED passed, $E2E_FAILED failed"
  [ "$E2E_FAILED" -eq 0 ]
}

# with_retry CASE-FUNCTION ARGS...: runs a case, and once more when it failed.
# The cases wait for windows with time limits, and a loaded machine can push
# a window past them; a real fault fails the second run too, and only the
# second run counts.
with_retry() {
  local passed=$E2E_PASSED failed=$E2E_FAILED
  # A filter (run.sh's second argument) leaves out the cases it does not name.
  if [ -n "${E2E_FILTER:-}" ] && [[ "$*" != *"$E2E_FILTER"* ]]; then return; fi
  "$@"
  if [ "$E2E_FAILED" -gt "$failed" ]; then
    E2E_PASSED=$passed
    E2E_FAILED=$failed
    echo "RETRY $*"
    WINEDEBUG=-all wineserver -k >/dev/null 2>&1 || true
    "$@"
  fi
}

# A fresh working folder for one case, filled from the named fixture.
work_folder() {
  local dir="$OUT/work/$1"
  mkdir -p "$dir"
  if [ -n "${2:-}" ]; then cp "$HERE/fixtures/$2"/* "$dir"/; fi
  echo "$dir"
}

# Leaves no program behind a failed case.
settle() {
  if [ ! -s "$OUT/$1.rc" ]; then
    WINEDEBUG=-all wineserver -k >/dev/null 2>&1 || true
    wait_exit "$1" 10 >/dev/null || true
  fi
}

# start_in CASE DIR CHANNELS COMMAND...: starts COMMAND in DIR in the
# background, with Wine's debug CHANNELS in OUT/CASE.log, its standard output
# in OUT/CASE.out and, once it ends, its exit code in OUT/CASE.rc.
start_in() {
  local name=$1 dir=$2 channels=$3
  shift 3
  rm -f "$OUT/$name.rc"
  (
    cd "$dir" || exit 1
    WINEDEBUG=$channels "$@" >"$OUT/$name.out" 2>"$OUT/$name.log"
    echo $? >"$OUT/$name.rc"
  ) &
}

# start_wine CASE DIR CHANNELS PROGRAM ARGS...: a Windows program, so.
start_wine() {
  start_in "$1" "$2" "$3" wine "${@:4}"
}

# run_runtime CASE DIR ARGS...: the runtime, with the debug strings and the
# message-box texts traced.
run_runtime() {
  local name=$1 dir=$2
  shift 2
  start_wine "$name" "$dir" -all,+debugstr,+msgbox "$EXE" "$@"
}

# wait_until SECONDS COMMAND...: runs COMMAND every tenth of a second until it
# succeeds (what it prints passes on); fails after SECONDS.
wait_until() {
  local tenths=$(($1 * 10))
  shift
  until "$@"; do
    tenths=$((tenths - 1))
    [ "$tenths" -gt 0 ] || return 1
    sleep 0.1
  done
}

# The id of the first mapped window with exactly that title.
window_titled() {
  local id
  id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1)
  [ -n "$id" ] && echo "$id"
}
window_unmapped() { ! xdotool search --onlyvisible --name '.' 2>/dev/null | grep -qx "$1"; }
file_text() { [ -s "$1" ] && cat "$1"; }

# wait_window TITLE SECONDS: prints the id of the window titled TITLE once mapped.
wait_window() { wait_until "$2" window_titled "$1"; }
# wait_gone ID SECONDS: waits until the window is no longer mapped.
wait_gone() { wait_until "$2" window_unmapped "$1"; }
# wait_exit CASE SECONDS: waits for the program of CASE to end; prints its exit code.
wait_exit() { wait_until "$2" file_text "$OUT/$1.rc"; }

# The text a message box showed, as Wine traced it.
box_text_seen() {
  grep -aF "MSGBOX_OnInit L\"$2\"" "$OUT/$1.log" >/dev/null
}

# The text the runtime wrote to the system's debug output.
debug_text_seen() {
  grep -aF "OutputDebugStringA \"$2\"" "$OUT/$1.log" >/dev/null
}

# The backdrop window exists (Wine gives it an X window) but is not shown.
backdrop_hidden() {
  [ -n "$(xdotool search --name '^VORNAGS$' 2>/dev/null)" ] &&
    [ -z "$(xdotool search --onlyvisible --name '^VORNAGS$' 2>/dev/null)" ]
}

screenshot() {
  import -window root "$OUT/$1.png" 2>/dev/null
}

# shown CASE TITLE SHOT [SECONDS]: waits for the window titled TITLE, saves
# the screenshot CASE-SHOT and sets the caller's id to the window's; fails
# the case when no such window shows within SECONDS (60).
shown() {
  if ! id=$(wait_window "$2" "${4:-60}"); then
    fail "$1" "no window titled \"$2\" for $3 (see $OUT/$1.log)"
    return 1
  fi
  sleep 0.5
  screenshot "$1-$3"
}

# press ID KEYS...: keys sent to a window, then waits until it closes.
press() {
  local id=$1
  shift
  xdotool key --window "$id" "$@" 2>/dev/null
  wait_gone "$id" 15
}

# expect_box CASE TITLE TEXT DEBUG-TOO [EXIT]: the common shape of a start-up
# case: a box titled TITLE with TEXT shows up, gets its screenshot, is closed
# with Enter, and the process then ends with exit code EXIT (0 by default)
# within a few seconds.
expect_box() {
  local name=$1 title=$2 text=$3 debugToo=$4 want=${5:-0} id code problem=
  shown "$name" "$title" box || return
  if ! backdrop_hidden; then
    problem="no hidden backdrop window \"VORNAGS\" behind the box"
  elif ! box_text_seen "$name" "$text"; then
    problem="the box does not say \"$text\" (see $OUT/$name.log)"
  elif [ "$debugToo" = yes ] && ! debug_text_seen "$name" "$text"; then
    problem="\"$text\" was not written to the debug output"
  fi
  # Wine takes its time to act on a synthetic key; what the runtime owes is
  # the quick end once its box is gone.
  if ! press "$id" Return; then
    fail "$name" "the box did not close on Enter"
  elif ! code=$(wait_exit "$name" 5); then
    fail "$name" "the process did not end within 5 s of closing the box"
  elif [ "$code" != "$want" ]; then
    fail "$name" "exit code $code, expected $want"
  elif [ -n "$problem" ]; then
    fail "$name" "$problem"
  else
    pass "$name (the box closed on Enter, the process ended with $code)"
  fi
}
