# The debugger cases of the end-to-end tests, sourced by run.sh after lib.sh
# and script_error.sh.
#
# What the sessions do is tests/debugger's concern, against vorna-run; here
# their transcripts come through the real pipes: the Linux vorna-debug
# starting vorna.exe under Wine with -D (the pipes become the runtime's
# standard input and output), and the Windows vorna-debug passing inherited
# pipe handles. Both must match the same expected files.

DEBUG_CLIENT="${VORNA_DEBUG:-$SOURCE/build/linux/tools/debug/vorna-debug}"
DEBUG_CASES="$SOURCE/tests/debugger"

# An error stop: Debug in the real error dialog hands the failing line to
# the debugger (an E report); quitting then leaves the runtime with the
# "Lost debugger connection." box, closed with Enter.
case_debugger_error_stop() {
  local name=debugger-error-stop dir id problem=
  dir=$(work_folder "$name")
  cp "$DEBUG_CASES/error-stop"/* "$dir"/
  start_in "$name" "$dir" -all,+msgbox timeout 180 "$DEBUG_CLIENT" --batch commands.txt "$EXE"
  shown "$name" '.*vorna\.exe' dialog || { settle "$name"; return; }
  # From the default Abort: Ignore, Retry, then Debug, enabled under a debugger.
  press "$id" Tab Tab Tab space || problem="Debug did not close the dialog"
  if [ -z "$problem" ] && shown "$name" Error lost; then
    box_text_seen "$name" "Lost debugger connection." || problem="the lost-connection box says something else"
    xdotool key --window "$id" Return 2>/dev/null
  else
    problem=${problem:-"no \"Lost debugger connection.\" box after quit"}
  fi
  if ! wait_exit "$name" 20 >/dev/null; then
    problem=${problem:-"the client did not end"}
  elif ! diff -u "$DEBUG_CASES/error-stop/expected.txt" "$OUT/$name.out" >"$OUT/$name.diff"; then
    problem=${problem:-"the transcript differs (see $OUT/$name.diff)"}
  fi
  if [ -n "$problem" ]; then
    fail "$name" "$problem"
  else
    pass "$name (Debug gave an error stop; quit showed the lost-connection box)"
  fi
  settle "$name"
}

# The Windows build of vorna-debug, itself under Wine, starting vorna.exe
# with inherited pipe handles: the same session, the same transcript (its
# line ends are CR LF).
case_debugger_windows_client() {
  local name=debugger-windows-client dir client="$BUILD/tools/debug/vorna-debug.exe"
  if [ ! -f "$client" ]; then
    fail "$name" "no Windows debugger client at $client"
    return
  fi
  dir=$(work_folder "$name")
  cp "$DEBUG_CASES/session"/* "$EXE" "$client" "$dir"/
  (cd "$dir" && WINEDEBUG=-all timeout 180 wine vorna-debug.exe --batch commands.txt vorna.exe \
    >"$OUT/$name.out" 2>"$OUT/$name.log")
  local code=$?
  if [ "$code" -ne 0 ]; then
    fail "$name" "exit code $code (see $OUT/$name.log)"
  elif ! tr -d '\r' <"$OUT/$name.out" | diff -u "$DEBUG_CASES/session/expected.txt" - \
      >"$OUT/$name.diff"; then
    fail "$name" "the transcript differs (see $OUT/$name.diff)"
  else
    pass "$name"
  fi
}
