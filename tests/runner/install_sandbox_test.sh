#!/usr/bin/env bash
# A whole installation of the sample product in vorna-run's sandbox: the
# image is packed, run with an answers file, and what it leaves is checked:
# every installed file's bytes and times, the registry file and the links.
# Then the ways out: Cancel and Yes in the licence (each dialog's Cancel is in
# tests/scripts/install/dialogs.bas, a drive without room in
# install_object_test.cpp), Cancel during the copy, and an image without a
# file set.
#
#   tests/runner/install_sandbox_test.sh PATH/TO/vorna-run PATH/TO/vorna-pack
set -uo pipefail

RUN=$(realpath "$1")
PACK=$(realpath "$2")
HERE=$(cd "$(dirname "$0")" && pwd)
HELLO="$HERE/../../examples/hello"
SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT
. "$(dirname "$0")/../e2e/lib.sh"
CHECK_SHOWS="$SCRATCH/err"
has() { grep -qF -- "$1" "$2"; }
lacks() { ! grep -qF -- "$1" "$2"; }

# A stand-in for the runtime: the MZ and PE headers vorna-pack looks for.
{ printf 'MZ'; head -c 58 /dev/zero; printf '\x40\0\0\0PE\0\0'; } >"$SCRATCH/stub.exe"
"$PACK" build --stub "$SCRATCH/stub.exe" --scripts "$HELLO/scripts" --files "$HELLO/payload" \
  --out "$SCRATCH/hello-setup.exe" >/dev/null 2>&1 || { echo "FAIL packing"; exit 1; }
"$PACK" build --stub "$SCRATCH/stub.exe" --scripts "$HELLO/scripts" \
  --out "$SCRATCH/no-files.exe" >/dev/null 2>&1 || { echo "FAIL packing"; exit 1; }

# install NAME EXIT IMAGE ANSWERS...: runs an image in a fresh sandbox root
# $SCRATCH/NAME (the one left by the last run of NAME when REUSE is set) with those answers and expects the exit code EXIT (0 success,
# 1 failed, 3 the user quit); the transcript and the report are in $SCRATCH/err.
install() {
  local name=$1 expected=$2 image=$3
  shift 3
  root="$SCRATCH/$name"
  [ -n "${REUSE:-}" ] || rm -rf "$root"
  mkdir -p "$root/C"
  printf '%s\n' "$@" >"$SCRATCH/answers"
  (cd "$SCRATCH" && "$RUN" --image "$image" --root "$root" --answers "$SCRATCH/answers" \
    </dev/null >"$SCRATCH/out" 2>"$SCRATCH/err")
  code=$?
  check "$name: exit code $expected, no sanitizer report" \
    bash -c "[ $code = $expected ] && ! grep -qE 'AddressSanitizer|runtime error:|LeakSanitizer' '$SCRATCH/err'"
}

installed="Program Files/Hello"

# Bytes and last write time of every payload file, compared with the sandbox copy.
same_payload() {
  local file
  while IFS= read -r file; do
    cmp -s "$HELLO/payload/$file" "$root/C/$installed/$file" || return 1
    [ "$(stat -c %Y "$HELLO/payload/$file")" = "$(stat -c %Y "$root/C/$installed/$file")" ] ||
      return 1
  done < <(cd "$HELLO/payload" && find . -type f | sed 's|^\./||')
}

install full 0 "$SCRATCH/hello-setup.exe" "license Agree" "drive OK" "path OK" "msgbox OK"
check "whole install: every file with its bytes and times" same_payload
check "whole install: no temporary file left" bash -c "! find '$root/C' -name '~vorna-*' | grep -q ."
tr -d '\r' <"$root/registry.reg" | tr '\n' '|' >"$SCRATCH/reg"
uninstall='[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Hello]|'
check "whole install: the uninstall key" has \
  "$uninstall\"DisplayName\"=\"Hello\"|\"DisplayVersion\"=\"1.0\"|" "$SCRATCH/reg"
check "whole install: the install location, with its separator" has \
  '"InstallLocation"="C:\\Program Files\\Hello\\"|"Publisher"="The Hello Makers"|' "$SCRATCH/reg"
check "whole install: the user's key" has '"Greeting"="Hello from Vorna"' "$SCRATCH/reg"
group="$root/C/ProgramData/Microsoft/Windows/Start Menu/Programs/Hello"
check "whole install: the desktop link and the Start-menu links to the program and read-me" \
  test -f "$root/C/Users/Public/Desktop/Hello.lnk" -a -f "$group/Hello.lnk" -a -f "$group/Read me.lnk"
check "whole install: the link names its target" has 'C:\Program Files\Hello\HELLO.CMD' \
  "$root/C/Users/Public/Desktop/Hello.lnk"
# The transcript: the progress, the last box and the report's lines.
while IFS= read -r line; do
  check "whole install: the transcript says: $line" has "$line" "$SCRATCH/err"
done <<'LINES'
  copied: 100% of the set
Hello is installed in C:\Program Files\Hello\
file written (new): C:\Program Files\Hello\docs\CHANGES.TXT
folder created: C:\Program Files\Hello\docs
registry key created: HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Hello
shortcut made: C:\Users\Public\Desktop\Hello.lnk -> C:\Program Files\Hello\HELLO.CMD
exit code 0 (success)
LINES

REUSE=1 install full 0 "$SCRATCH/hello-setup.exe" "license Agree" "drive OK" "path OK" "msgbox OK"
check "a second install keeps the files that are as new" \
  has 'file kept: C:\Program Files\Hello\README.TXT (the file on disk is as new' "$SCRATCH/err"

install licence-quit 3 "$SCRATCH/hello-setup.exe" "license Cancel" "quit Yes"
check "licence Cancel, Yes: nothing installed" [ ! -e "$root/C/$installed" ]
check "licence Cancel, Yes: no drive dialog" lacks '[drive dialog]' "$SCRATCH/err"
check "licence Cancel, Yes: the quit reported" has 'user quit: licence' "$SCRATCH/err"

# An unusable folder typed in the path dialog: install_object_test.cpp and
# answered_install_dialogs_test.cpp.

install copy-no 0 "$SCRATCH/hello-setup.exe" "license Agree" "drive OK" "path OK" \
  "progress Cancel" "quit No" "msgbox OK"
check "Cancel during the copy, No: the copy completes" same_payload
check "Cancel during the copy, No: the script goes on" has 'Hello is installed in' "$SCRATCH/err"

install copy-yes 3 "$SCRATCH/hello-setup.exe" "license Agree" "drive OK" "path OK" \
  "progress Cancel" "quit Yes" "msgbox OK"
check "Cancel during the copy, Yes: COPYFILES is FALSE" \
  has 'Hello was not installed completely.' "$SCRATCH/err"
check "Cancel during the copy, Yes: the failure branch ends quietly" \
  lacks '[error dialog]' "$SCRATCH/err"
check "Cancel during the copy, Yes: stopped before the first file" \
  bash -c "! find '$root/C/$installed' -type f 2>/dev/null | grep -q ."
check "Cancel during the copy, Yes: no registry key" \
  bash -c "! grep -q 'Uninstall\\\\Hello' '$root/registry.reg'"

install no-files 1 "$SCRATCH/no-files.exe" "license Agree" "drive OK" "path OK" "msgbox OK"
check "no file set: COPYFILES is FALSE" has 'Hello was not installed completely.' "$SCRATCH/err"
check "no file set: the failure branch ends quietly" lacks '[error dialog]' "$SCRATCH/err"
check "no file set: no progress dialog" lacks '[progress dialog]' "$SCRATCH/err"
check "no file set: every answer used" lacks 'answers were not used' "$SCRATCH/err"

# COPYFILES into the install disk and up past the drive root: the disk is
# read-only and the climb stops at C:\; the image is unchanged afterwards.
mkdir -p "$SCRATCH/sealed"
printf 'SEALED.BAS\r\n' >"$SCRATCH/sealed/STARTUP.CTL"
cat >"$SCRATCH/sealed/SEALED.BAS" <<'SCRIPT'
SUB MAIN
  OPTION CONSOLE TRUE
  INSTALLPATH = "A:\"
  PRINT "onto the disk: "; COPYFILES
  INSTALLPATH = "A:\Folder"
  PRINT "below the disk: "; COPYFILES
  INSTALLPATH = "C:\..\..\..\..\Climbed"
  PRINT "climbing: "; COPYFILES
END SUB
SCRIPT
"$PACK" build --stub "$SCRATCH/stub.exe" --scripts "$SCRATCH/sealed" --files "$HELLO/payload" \
  --out "$SCRATCH/sealed.exe" >/dev/null 2>&1 || { echo "FAIL packing"; exit 1; }
image_sum=$(sha256sum <"$SCRATCH/sealed.exe")
install sealed 0 "$SCRATCH/sealed.exe"
check "COPYFILES onto the install disk fails" has 'onto the disk: false' "$SCRATCH/out"
check "COPYFILES below the install disk fails" has 'below the disk: false' "$SCRATCH/out"
check "COPYFILES climbing past the root lands in drive C" has 'climbing: true' "$SCRATCH/out"
check "the climbing copy is inside the sandbox" [ -f "$root/C/Climbed/README.TXT" ]
check "nothing was made for drive A" [ ! -e "$root/A" ]
check "the image is unchanged" [ "$(sha256sum <"$SCRATCH/sealed.exe")" = "$image_sum" ]

checks_done "install sandbox"
