# The uninstall case of the end-to-end tests, sourced by run.sh after lib.sh
# and install.sh.
#
# The sample product installed through its dialogs under Wine
# (case_install_full), then removed through the UNINSTALL.EXE the install
# wrote, started unattended (-A) with the command line the install listed as
# its UninstallString: the prefix's files, registry and shortcuts are as
# they were before the install, but for the file the test changed in between
# (kept, and named in the log). The uninstaller's own file goes through its
# copy in the temporary folder, and the copy goes when Wine restarts.

RECORD="$HELLO_DIR\\UNINSTALL.DAT"
REMOVER="$HELLO_DIR\\UNINSTALL.EXE"
PENDING='HKLM\System\CurrentControlSet\Control\Session Manager'

# The files and folders of the prefix's drive C with their bytes, but for
# Windows' own folder and the temporary folders, which Wine itself writes.
snapshot_files() {
  (cd "$WINEPREFIX/drive_c" && find . -path ./windows -prune -o -path '*/Temp' -prune -o \
    -print0 | sort -z | while IFS= read -r -d '' item; do
    if [ -f "$item" ]; then echo "$item $(md5sum <"$item" | cut -c1-32)"; else echo "$item/"; fi
  done)
}

# The registry an install may touch: the programs' keys of the machine and of
# the user, without Wine's own settings.
snapshot_registry() {
  local key
  for key in 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall' 'HKCU\Software'; do
    WINEDEBUG=-all wine reg query "$key" /s 2>/dev/null | tr -d '\r' |
      awk '/^HKEY_/ { skip = ($0 ~ /^HKEY_CURRENT_USER\\Software\\Wine/) } !skip'
  done
}

# The uninstaller's copies in the temporary folders (none before a run).
uninstaller_copies() {
  find "$WINEPREFIX/drive_c" -ipath '*/temp/*' -iname 'VORNA-UNINSTALL-*.EXE' 2>/dev/null
}

# The uninstall's answers and its log, in Windows' temporary folder (which
# the snapshot leaves out).
ANSWERS='C:\windows\temp\hello-uninstall.txt'
LOG='C:\windows\temp\hello-uninstall.log'

# Starts the command line the install listed, answered from a file as a
# deployment tool would: -A FILE before the listed switch.
run_uninstall_string() {
  local name=$1 listed
  listed=$(WINEDEBUG=-all wine reg query "$UNINSTALL_KEY" /v UninstallString 2>/dev/null |
    tr -d '\r' | sed -n 's/^ *UninstallString *REG_SZ *//p')
  if [ "$listed" != "\"$REMOVER\" -U \"$RECORD\"" ]; then
    fail "$name" "the install lists the uninstall as: $listed"
    return 1
  fi
  rm -f "$(on_drive_c "$LOG")"
  printf 'log %s\r\nmsgbox Yes\r\nmsgbox OK\r\n' "$LOG" >"$(on_drive_c "$ANSWERS")"
  start_wine "$name" "$OUT" -all "$REMOVER" -A "$ANSWERS" -U "$RECORD"
}

# logged NAME TEXT: the uninstall's log has a line with TEXT.
logged() {
  tr -d '\r' <"$(on_drive_c "$LOG")" | grep -qF -- "$2"
}

# The copy in the temporary folder ends by asking Windows to delete it at the
# next restart (or by deleting it, where it can).
copy_listed_for_restart() {
  WINEDEBUG=-all wine reg query "$PENDING" /v PendingFileRenameOperations 2>/dev/null |
    tr -d '\r' >"$OUT/pending.txt"
  grep -qi 'VORNA-UNINSTALL-' "$OUT/pending.txt"
}
copy_done() { copy_listed_for_restart || [ -z "$(uninstaller_copies)" ]; }

# What is left of the install: only the file the test changed.
check_left_as_before() {
  local name=$1 installed readme
  installed=$(on_drive_c "$HELLO_DIR")
  readme="$installed/README.TXT"
  snapshot_registry >"$OUT/registry-after.txt"
  if ! grep -qx 'changed by the test' "$readme" 2>/dev/null; then
    fail "$name" "the README.TXT the test changed is gone or not as the test left it"
  elif [ "$(find "$installed" -mindepth 1 | wc -l)" != 1 ]; then
    fail "$name" "more than the changed file is left: $(find "$installed" -mindepth 1 | tr '\n' ' ')"
  elif ! diff "$OUT/registry-before.txt" "$OUT/registry-after.txt" >"$OUT/registry.diff"; then
    fail "$name" "the registry is not as before (see $OUT/registry.diff)"
  else
    rm -rf "$installed"
    rmdir "$(dirname "$installed")" 2>/dev/null
    if ! snapshot_files | diff "$OUT/files-before.txt" - >"$OUT/files.diff"; then
      fail "$name" "the files are not as before (see $OUT/files.diff)"
    else
      pass "$name (files, registry and shortcuts as before; the changed file kept)"
    fi
  fi
}

# The copy that finished the uninstall asked Windows to delete it at the
# next restart, and a restart of Wine does.
check_copy_goes_at_restart() {
  local name=$1 copies
  copies=$(uninstaller_copies)
  if [ -z "$copies" ]; then
    pass "$name (the uninstaller's copy is already gone)"
    return
  fi
  WINEDEBUG=-all wineserver -k >/dev/null 2>&1
  WINEDEBUG=-all wineserver -w >/dev/null 2>&1
  WINEDEBUG=-all wineboot -r >/dev/null 2>&1
  if [ -n "$(uninstaller_copies)" ]; then
    fail "$name" "the copy $copies is still there after a restart"
  else
    pass "$name (the copy in the temporary folder went at the restart)"
  fi
}

case_uninstall() {
  local name=uninstall image="$OUT/work/install-full/setup.exe" code failed=$E2E_FAILED
  forget_hello
  uninstaller_copies | while IFS= read -r copy; do rm -f "$copy"; done
  snapshot_files >"$OUT/files-before.txt"
  snapshot_registry >"$OUT/registry-before.txt"
  case_install_full
  [ "$E2E_FAILED" = "$failed" ] || return
  if ! cmp -s -n "$(stat -c %s "$(on_drive_c "$REMOVER")")" "$image" "$(on_drive_c "$REMOVER")" ||
    [ "$(stat -c %s "$(on_drive_c "$REMOVER")")" -ge "$(stat -c %s "$image")" ]; then
    fail "$name" "UNINSTALL.EXE is not the setup's runtime without its install data"
  fi
  echo "changed by the test" >"$(on_drive_c "$HELLO_DIR\\README.TXT")"
  if run_uninstall_string "$name"; then
    if ! code=$(wait_exit "$name" 60) || [ "$code" != 0 ]; then
      fail "$name" "the uninstaller did not end with exit code 0 (see $(on_drive_c "$LOG"))"
    elif ! logged "$name" '"Remove Hello and all of its components?": answered Yes'; then
      fail "$name" "the log has no answered question (see $(on_drive_c "$LOG"))"
    elif ! logged "$name" 'file kept: C:\Program Files\Hello\README.TXT (it changed after the install)'; then
      fail "$name" "the log does not list the changed file as kept"
    elif ! logged "$name" '"Hello was removed. These were kept:'; then
      fail "$name" "the log has no closing message naming what was kept"
    elif ! wait_until 30 test ! -e "$(on_drive_c "$REMOVER")"; then
      fail "$name" "UNINSTALL.EXE is still there"
    elif ! wait_until 30 copy_done; then
      fail "$name-self-removal" "the uninstaller's copy did not finish (see $OUT/pending.txt)"
    else
      cp "$(on_drive_c "$LOG")" "$OUT/$name-run.log"
      check_left_as_before "$name"
      check_copy_goes_at_restart "$name-self-removal"
    fi
  fi
  settle "$name"
}
