# The dialogs a script opens, driven with keys, sourced by run.sh after
# lib.sh: the input dialog, message boxes and the file dialog object's Open
# and Save As dialogs. What the script makes of an answer is the golden
# scripts' concern; here the real dialog shows, takes the keys and returns.

case_input_dialog() {
  local name=input-dialog dir id code
  dir=$(work_folder "$name" input-dialog)
  run_runtime "$name" "$dir"
  shown "$name" 'User Input Needed' first || { settle "$name"; return; }
  xdotool type --window "$id" --delay 50 'ann lee' 2>/dev/null
  press "$id" Return
  shown "$name" 'User Input Needed' second 20 || { settle "$name"; return; }
  xdotool type --window "$id" --delay 50 'typed but cancelled' 2>/dev/null
  xdotool key --window "$id" Escape 2>/dev/null
  if ! code=$(wait_exit "$name" 20) || [ "$code" != 0 ]; then
    fail "$name" "the runtime did not end by itself with exit code 0"
  elif ! cmp -s "$dir/RESULT.TXT" <(printf 'ann lee|unchanged\r\n'); then
    fail "$name" "the script stored $(od -c "$dir/RESULT.TXT" 2>&1 | head -3)"
  else
    pass "$name (OK stores the typed text, Cancel keeps the variable)"
  fi
  settle "$name"
}

# MSGBOX with a caption returns only once closed; with the text alone the
# caption is the program's own path.
case_msgbox() {
  local name=msgbox dir id own
  dir=$(work_folder "$name" system-msgbox)
  run_runtime "$name" "$dir"
  if shown "$name" "E2E caution" caution && press "$id" Return &&
    shown "$name" "E2E after" after 30; then
    if box_text_seen "$name" "Mind the step"; then
      xdotool key --window "$id" Return 2>/dev/null
      own=$(WINEDEBUG=-all winepath -w "$EXE" 2>/dev/null | tr -d '\r' | sed 's/[][\\.*^$]/\\&/g')
      expect_box "$name" "$own" "Captioned with the program" no
    else
      fail "$name" "the first box does not say \"Mind the step\""
    fi
  fi
  settle "$name"
}

# file_dialog CASE FIXTURE TITLE RESULT ACTIONS...: the file dialog titled
# TITLE gets each xdotool ACTION ("key Escape", "type name"), then the
# script's box must say RESULT.
file_dialog() {
  local name=$1 fixture=$2 title=$3 result=$4 dir id
  shift 4
  dir=$(work_folder "$name" "$fixture")
  run_runtime "$name" "$dir"
  if shown "$name" "$title" dialog; then
    sleep 0.5
    for keys in "$@"; do
      # shellcheck disable=SC2086
      xdotool ${keys%% *} --window "$id" ${keys#* } 2>/dev/null
    done
    if wait_gone "$id" 15; then
      expect_box "$name" "E2E result" "$result" no
    else
      fail "$name" "the dialog did not close"
    fi
  fi
  settle "$name"
}

case_file_dialog() {
  file_dialog file-dialog system-file-dialog "E2E open" "cancelled, FILE=kept.txt" "key Escape"
}

# A name typed without an extension: the dialog adds DEFEXT.
case_save_dialog() {
  rm -f "$WINEPREFIX/drive_c/e2e-saved.txt"
  file_dialog save-dialog system-save-dialog "E2E save" \
    'chosen C:\\e2e-saved.txt titled e2e-saved.txt' "type e2e-saved" "key Return"
}
