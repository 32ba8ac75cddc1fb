#!/usr/bin/env bash
# What the system statements leave in vorna-run's sandbox: SETREGISTRY's keys
# and values in the registry file, CREATELINK's link file and its transcript
# line, MKDIR's folders.
#
#   tests/runner/system_sandbox_test.sh PATH/TO/vorna-run
set -uo pipefail

RUN=$(realpath "$1")
SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT
. "$(dirname "$0")/../e2e/lib.sh"
CHECK_SHOWS="$SCRATCH/err"
has() { grep -qF -- "$1" "$2"; }

work="$SCRATCH/work"
root="$SCRATCH/root"
mkdir -p "$work"
printf 'SETUP\r\n' >"$work/STARTUP.CTL"
cat >"$work/SETUP" <<'SCRIPT'
SUB MAIN
  SETREGISTRY "HKEY_CURRENT_USER\Software\Vorna Test\Deep\Er", "Name", "Value one"
  SETREGISTRY "SOFTWARE\Vorna Test", "", "default text"
  SETREGISTRY "\\hkey_users\\.DEFAULT\Vorna", "Quote", "say ""hi"" \ back"
  MKDIR "C:\Program Files\App\Bin"
  CREATELINK "C:\Program Files\App\Bin\app.exe", SPECIALFOLDER("DESKTOP", FALSE) & "\App.lnk", "The App"
  CREATELINK "C:\x.exe", "C:\No\Such\Folder\x.lnk", "never written"
END SUB
SCRIPT
(cd "$work" && "$RUN" --root "$root" </dev/null >"$SCRATCH/out" 2>"$SCRATCH/err")
check "exit code 0" [ $? = 0 ]

reg="$root/registry.reg"
# One line, its line ends shown as "|", so that a check can span lines.
tr -d '\r' <"$reg" | tr '\n' '|' >"$SCRATCH/reg"
check "the key path and its value" \
  has '[HKEY_CURRENT_USER\Software\Vorna Test\Deep\Er]|"Name"="Value one"|' "$SCRATCH/reg"
check "the missing keys along the path were created" \
  has '[HKEY_CURRENT_USER\Software\Vorna Test\Deep]|' "$SCRATCH/reg"
check "no root prefix: HKEY_LOCAL_MACHINE, and the default value" \
  has '[HKEY_LOCAL_MACHINE\SOFTWARE\Vorna Test]|@="default text"|' "$SCRATCH/reg"
check "backslashes before the root and a lower-case root" \
  has '[HKEY_USERS\.DEFAULT\Vorna]|"Quote"="say \"hi\" \\ back"|' "$SCRATCH/reg"
check "the file keeps Windows line ends" grep -q $'\r$' "$reg"

link="$root/C/Users/User/Desktop/App.lnk"
check "MKDIR made the whole chain" [ -d "$root/C/Program Files/App/Bin" ]
check "the link file exists" [ -f "$link" ]
check "the link file starts with the shell link header" \
  bash -c "head -c 20 '$link' | od -An -tx1 | tr -d ' \n' | grep -q '^4c0000000114020000000000c000000000000046'"
check "the link names its target" has 'C:\Program Files\App\Bin\app.exe' "$link"
check "the transcript tells the link" \
  has 'shortcut C:\Users\User\Desktop\App.lnk -> C:\Program Files\App\Bin\app.exe "The App"' \
  "$SCRATCH/err"
check "a link that cannot be written is told, not raised" has 'C:\No\Such\Folder\x.lnk' "$SCRATCH/err"
check "no error dialog" bash -c "! grep -q '\\[error dialog\\]' '$SCRATCH/err'"

checks_done "system sandbox"
