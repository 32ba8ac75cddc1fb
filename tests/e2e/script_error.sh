# The script error case of the end-to-end tests, sourced by run.sh after lib.sh.
#
# A script fails with a type mismatch in two lines. The "ERROR" dialog,
# captioned with the program's path, must show the module, procedure, message
# and statement (traced by Wine's relay of SetDlgItemTextA); Escape does not
# close it; Retry shows it again for the same line, Ignore goes on to the
# next line, and Abort ends the run as failed. Without a debugger its Debug
# button is disabled, so the tab order from Abort comes back to Abort after
# Ignore and Retry (debugger.sh presses Debug with one attached).

# Wine traces only this call of the relay channel.
relay_only_dialog_texts() {
  WINEDEBUG=-all wine reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /t REG_SZ \
    /d 'user32.SetDlgItemTextA' /f >/dev/null 2>&1
}

# dialog_text_count CASE ID TEXT: how often control ID received TEXT.
dialog_text_count() {
  grep -a 'Call user32.SetDlgItemTextA(' "$OUT/$1.log" |
    grep -aE ",$(printf '%08x' "$2"),[0-9a-f]{8} " | grep -acF "\"$3\")"
}

case_script_error_dialog() {
  local name=script-error-dialog dir id code problem=
  dir=$(work_folder "$name" type-mismatch)
  relay_only_dialog_texts
  start_wine "$name" "$dir" -all,+relay "$EXE"
  shown "$name" '[A-Z]:\\.*\\vorna\.exe' first || { settle "$name"; return; }
  xdotool key --window "$id" Escape 2>/dev/null
  sleep 3
  if window_unmapped "$id"; then
    problem="Escape closed the dialog"
  else
    press "$id" Tab Tab space || problem="Retry did not close the dialog"
  fi
  if [ -z "$problem" ] && shown "$name" '.*vorna\.exe' retry 20; then
    press "$id" Tab space || problem="Ignore did not close the dialog"
  else
    problem=${problem:-"Retry did not show the dialog again"}
  fi
  if [ -z "$problem" ] && shown "$name" '.*vorna\.exe' ignore 20; then
    press "$id" Tab Tab Tab space || problem="Abort did not close the dialog"
  else
    problem=${problem:-"Ignore did not go on to the next failing line"}
  fi
  if ! code=$(wait_exit "$name" 10); then
    problem=${problem:-"the process did not end after Abort"}
  elif [ "$code" != "$EXIT_FAILED" ]; then
    problem=${problem:-"exit code $code after Abort, expected $EXIT_FAILED (1603)"}
  fi
  if [ -z "$problem" ]; then
    [ "$(dialog_text_count "$name" 10 'SETUP, line 2')" = 2 ] ||
      problem="module and line \"SETUP, line 2\" not shown twice (Retry)"
    [ "$(dialog_text_count "$name" 10 'SETUP, line 3')" = 1 ] ||
      problem="module and line \"SETUP, line 3\" not shown after Ignore"
    [ "$(dialog_text_count "$name" 11 MAIN)" = 3 ] || problem="procedure MAIN not shown three times"
    [ "$(dialog_text_count "$name" 12 'Type Mismatch Error')" = 3 ] ||
      problem="message \"Type Mismatch Error\" not shown three times"
    [ "$(dialog_text_count "$name" 13 'X = \"A\" + 1')" = 2 ] ||
      problem="the first failing line not shown twice (Retry)"
    [ "$(dialog_text_count "$name" 13 'Y = \"B\" + 2')" = 1 ] ||
      problem="the second failing line not shown after Ignore"
  fi
  if [ -n "$problem" ]; then
    fail "$name" "$problem (see $OUT/$name.log)"
  else
    pass "$name (Retry showed the line again, Ignore went on, Abort ended the run as failed)"
  fi
  settle "$name"
}
