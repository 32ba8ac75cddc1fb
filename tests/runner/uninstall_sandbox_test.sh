#!/usr/bin/env bash
# The sample product installed and uninstalled in vorna-run's sandbox: the
# uninstall leaves the sandbox as it was before the install, except what the
# user changed in between (kept, and listed); two installs go with one
# uninstall; a record edited to reach outside, or cut short, is refused
# whole and nothing changes; a file replaced by a link is left alone.
#
#   tests/runner/uninstall_sandbox_test.sh PATH/TO/vorna-run PATH/TO/vorna-pack
set -uo pipefail

RUN=$(realpath "$1")
PACK=$(realpath "$2")
HERE=$(cd "$(dirname "$0")" && pwd)
HELLO="$HERE/../../examples/hello"
SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT
passed=0
failed=0
RECORD='C:\Program Files\Hello\UNINSTALL.DAT'

check() {
  local what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL $what"
    sed 's/^/    /' "$SCRATCH/err" | tail -30
  fi
}
has() { grep -qF -- "$1" "$2"; }

# A stand-in for the runtime: the MZ and PE headers vorna-pack looks for.
{ printf 'MZ'; head -c 58 /dev/zero; printf '\x40\0\0\0PE\0\0'; } >"$SCRATCH/stub.exe"
"$PACK" build --stub "$SCRATCH/stub.exe" --scripts "$HELLO/scripts" --files "$HELLO/payload" \
  --out "$SCRATCH/hello-setup.exe" >/dev/null 2>&1 || { echo "FAIL packing"; exit 1; }

# run EXIT ANSWERS... -- COMMAND-LINE...: runs the image in the sandbox $root
# with those answers and expects the exit code EXIT (0 success, 1 failed,
# 3 the user quit); the transcript and the report are in $SCRATCH/err.
run() {
  local expected=$1 answers=()
  shift
  while [ "$1" != "--" ]; do answers+=("$1"); shift; done
  shift
  printf '%s\n' "${answers[@]}" >"$SCRATCH/answers"
  (cd "$SCRATCH" && "$RUN" --image "$SCRATCH/hello-setup.exe" --root "$root" \
    --answers "$SCRATCH/answers" -- "$@" </dev/null >"$SCRATCH/out" 2>"$SCRATCH/err")
  local code=$?
  check "exit code $expected (got $code) of: ${*:-install}, no sanitizer report" \
    bash -c "[ $code = $expected ] && ! grep -qE 'AddressSanitizer|runtime error:|LeakSanitizer' '$SCRATCH/err'"
}
install() { run 0 "license Agree" "drive OK" "path OK" "msgbox OK" --; }
uninstall() { run "$1" "${@:2}" -- -U "\"$RECORD\""; }

# Every file and folder of the sandbox with its bytes, and the registry.
snapshot() {
  (cd "$root" && find . -print0 | sort -z | while IFS= read -r -d '' item; do
    if [ -f "$item" ]; then echo "$item $(md5sum <"$item" | cut -c1-32)"; else echo "$item/"; fi
  done)
}

fresh() {
  root="$SCRATCH/root-$1"
  mkdir -p "$root/C"
  run 1 -- -x >/dev/null  # a refused run changes nothing: the sandbox's first state
  snapshot >"$SCRATCH/before"
}
same_as() { snapshot | diff "$1" - >"$SCRATCH/diff"; }

hello="Program Files/Hello"

fresh plain
install
check "the install writes the bare runtime as UNINSTALL.EXE" cmp -s "$SCRATCH/stub.exe" \
  "$root/C/$hello/UNINSTALL.EXE"
check "the install lists the uninstall's command line" has \
  '"UninstallString"="\"C:\\Program Files\\Hello\\UNINSTALL.EXE\" -U \"C:\\Program Files\\Hello\\UNINSTALL.DAT\""' \
  "$root/registry.reg"
echo "my own notes" >"$root/C/$hello/README.TXT"
uninstall 0 "msgbox Yes" "msgbox OK"
check "the uninstall asks first" has 'Remove Hello and all of its components?' "$SCRATCH/err"
check "the uninstall lists what the user changed" \
  has 'C:\Program Files\Hello\README.TXT (it changed after the install)' "$SCRATCH/err"
check "the report lists what was removed" \
  has 'shortcut removed: C:\Users\Public\Desktop\Hello.lnk' "$SCRATCH/err"
check "the report lists what was kept" \
  has 'file kept: C:\Program Files\Hello\README.TXT (it changed after the install)' "$SCRATCH/err"
rm "$root/C/$hello/README.TXT"
rmdir "$root/C/$hello" "$root/C/Program Files"
check "the sandbox is as it was, but for the changed file" same_as "$SCRATCH/before"

fresh twice
install
install
uninstall 0 "msgbox Yes" "msgbox OK"
check "two installs, one uninstall: everything goes" same_as "$SCRATCH/before"
check "two installs, one uninstall: the closing message" has 'Hello was removed.' "$SCRATCH/err"

fresh declined
install
snapshot >"$SCRATCH/installed"
uninstall 3 "msgbox No"
check "No: nothing is removed" same_as "$SCRATCH/installed"

# refused NAME SED-EXPRESSION: the record edited so is refused whole.
refused() {
  local name=$1 edit=$2
  fresh "refused-$name"
  install
  mkdir -p "$root/C/Windows" && echo "keep me" >"$root/C/Windows/win.ini"
  sed -i "$edit" "$root/C/$hello/UNINSTALL.DAT"
  snapshot >"$SCRATCH/edited"
  uninstall 1 "msgbox OK"
  check "$name: refused with a message" has 'cannot be used' "$SCRATCH/err"
  check "$name: nothing changed" same_as "$SCRATCH/edited"
}
refused outside 's|^file\tnew\t\([0-9]*\)\t\([0-9]*\)\tC:\\Program Files\\Hello\\README.TXT|file\tnew\t8\t\2\tC:\\Windows\\win.ini|'
refused parent 's|\\Hello\\docs\\CHANGES.TXT|\\Hello\\..\\..\\Windows\\win.ini|'
refused registry 's|^value\tHKEY_CURRENT_USER\\Software\\Hello|value\tHKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon|'
refused truncated '$d'

fresh link
install
outside="$SCRATCH/outside"
mkdir -p "$outside" && cp "$root/C/$hello/README.TXT" "$outside/README.TXT"
touch -r "$root/C/$hello/README.TXT" "$outside/README.TXT"
ln -sf "$outside/README.TXT" "$root/C/$hello/README.TXT"
uninstall 0 "msgbox Yes" "msgbox OK"
check "a file replaced by a link is left alone" test -L "$root/C/$hello/README.TXT"
check "what the link points at is untouched" test -f "$outside/README.TXT"
check "the link is listed as kept" has 'README.TXT (a link stands in its place)' "$SCRATCH/err"
check "the rest is removed" test ! -e "$root/C/$hello/HELLO.CMD"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
