# The file and registry cases of the end-to-end tests, sourced by run.sh
# after lib.sh: scripts that use PRINT #, INPUT #, REGISTRY and the input
# dialog in the real vorna.exe, checked by the files they leave behind.

# runtime_ended CASE SECONDS: waits for the runtime to end by itself; fails
# the case and answers no when it does not or its exit code is not 0.
runtime_ended() {
  local name=$1 seconds=$2 code
  if ! code=$(wait_exit "$name" "$seconds"); then
    fail "$name" "the runtime did not end by itself"
    return 1
  fi
  if [ "$code" != 0 ]; then
    fail "$name" "exit code $code"
    return 1
  fi
  return 0
}

# same_bytes FILE TEXT: the file holds exactly the bytes of TEXT (printf escapes).
same_bytes() {
  [ -f "$1" ] && cmp -s "$1" <(printf "$2")
}

# wait_for_file PATH SECONDS: the file appears within SECONDS.
wait_for_file() {
  for _ in $(seq 1 $(($2 * 5))); do
    [ -s "$1" ] && return 0
    sleep 0.2
  done
  return 1
}

case_script_files_registry() {
  local name=script-files-registry dir
  dir=$(work_folder "$name" files-registry)
  WINEDEBUG=-all wine reg add 'HKCU\Software\VornaE2E' /v Greeting /d 'hello from reg add' /f \
    >/dev/null 2>&1
  run_runtime "$name" "$dir"
  runtime_ended "$name" 60 || { settle "$name"; return; }
  local expected='first line|42|hello from reg add\r\n13\r\n13\r\n48\r\n48\r\n49\r\n'
  expected+='fffe|false\r\ntrue\r\n41 18467 ffffffff-42 25\r\ntrue\r\n'
  if ! same_bytes "$dir/OUT.TXT" 'FIrst line\r\n42\r\nend\r\n'; then
    fail "$name" "PRINT # wrote $(od -c "$dir/OUT.TXT" 2>&1 | head -3)"
  elif ! same_bytes "$dir/RESULT.TXT" "$expected"; then
    fail "$name" "the script found $(od -c "$dir/RESULT.TXT" 2>&1 | head -6)"
  elif ! same_bytes "$dir/REC.BIN" '\x02\x00AB\x00\x00\x00\x00\xfe\xff\x00\x00\x00\x00\x00\x00'; then
    fail "$name" "GET/PUT records are $(od -An -tx1 "$dir/REC.BIN" 2>&1 | head -2)"
  elif ! wait_for_file "$dir/SHELLED.TXT" 20; then
    fail "$name" "the program SHELL started left no SHELLED.TXT"
  else
    pass "$name (PRINT #/INPUT # round trip, no truncation, APPEND, locks, records, REGISTRY, SHELL)"
  fi
}

case_script_input_dialog() {
  local name=script-input-dialog dir id
  dir=$(work_folder "$name" input-dialog)
  run_runtime "$name" "$dir"
  if ! id=$(wait_window 'User Input Needed' 60); then
    fail "$name" "no \"User Input Needed\" dialog"
    settle "$name"
    return
  fi
  sleep 0.5
  xdotool type --window "$id" --delay 50 'ann lee' 2>/dev/null
  sleep 0.3
  screenshot "$name-typed"
  xdotool key --window "$id" Return 2>/dev/null
  wait_gone "$id" 15
  if ! id=$(wait_window 'User Input Needed' 20); then
    fail "$name" "no second dialog"
    settle "$name"
    return
  fi
  sleep 0.5
  xdotool type --window "$id" --delay 50 'typed but cancelled' 2>/dev/null
  xdotool key --window "$id" Escape 2>/dev/null
  runtime_ended "$name" 20 || { settle "$name"; return; }
  if same_bytes "$dir/RESULT.TXT" 'ann lee|unchanged\r\n'; then
    pass "$name (OK stores the typed text, Cancel keeps the variable)"
  else
    fail "$name" "the script stored $(od -c "$dir/RESULT.TXT" 2>&1 | head -3)"
  fi
}
