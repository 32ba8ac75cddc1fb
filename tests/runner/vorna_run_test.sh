#!/usr/bin/env bash
# Tests of vorna-run as a program: options, sandbox staging and clean-up,
# answers file, exit codes.
#
#   tests/runner/vorna_run_test.sh PATH/TO/vorna-run
set -uo pipefail

RUN=$(realpath "$1")
SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT
export TMPDIR="$SCRATCH/tmp"
mkdir -p "$TMPDIR"

. "$(dirname "$0")/../e2e/lib.sh"
CHECK_SHOWS="$SCRATCH/err"

# run DIR ARGS...: runs vorna-run in DIR; exit code in $code, stderr in $SCRATCH/err.
run() {
  local dir=$1
  shift
  (cd "$dir" && "$RUN" "$@" </dev/null >"$SCRATCH/out" 2>"$SCRATCH/err")
  code=$?
}
said() { grep -qF -- "$1" "$SCRATCH/err"; }
no_sandbox_left() { [ -z "$(ls -A "$TMPDIR")" ]; }

work="$SCRATCH/work"
mkdir -p "$work"
printf '~ comment\r\n\r\nsetup\r\n' >"$work/STARTUP.CTL"
printf 'SUB INSTALL\r\nEND SUB\r\n' >"$work/SETUP"

run "$work"
check "plain files, no MAIN: a failed start-up" [ "$code" = 1 ]
check "plain files, no MAIN: debug output" said "[debug] Main function not found."
check "temporary sandbox removed" no_sandbox_left

printf 'SUB MAIN\r\nEND SUB\r\n' >"$work/SETUP"
run "$work"
check "MAIN found: silent run" [ "$code" = 0 ]
check "MAIN found: no output" [ ! -s "$SCRATCH/err" ]

run "$work" -- /s missing.ctl
check "missing control entry: exit code 1" [ "$code" = 1 ]
check "missing control entry: named" said "  missing.ctl"
check "missing control entry: sandbox removed on exit" no_sandbox_left

printf '# first question\nmsgbox ok\nmsgbox OK\n' >"$SCRATCH/answers"
run "$work" --answers "$SCRATCH/answers" -- -x
check "unused answers noted" said "vorna-run: 1 answers were not used"
check "refused switch: exit code 1" [ "$code" = 1 ]
check "refused switch: reported" said "run failed: Invalid command switch: x."

printf 'error Abort\n' >"$SCRATCH/answers"
run "$work" --answers "$SCRATCH/answers" -- -x
check "answer of another kind: exit code 2" [ "$code" = 2 ]
check "answer of another kind: named" said 'answers file line 1: "error Abort" answers error dialog'
check "answer of another kind: sandbox removed" no_sandbox_left

printf 'msgbox\n' >"$SCRATCH/answers"
run "$work" --answers "$SCRATCH/answers"
check "malformed answers file: exit code 2" [ "$code" = 2 ]
check "malformed answers file: named" said "line 1: no answer after \"msgbox\""

run "$work" --answers "$SCRATCH/none"
check "unreadable answers file: exit code 2" [ "$code" = 2 ]
run "$work" --image "$SCRATCH/none.exe"
check "missing image: exit code 2" [ "$code" = 2 ]
run "$work" -x
check "runtime switch without --: exit code 2" [ "$code" = 2 ]
check "runtime switch without --: explained" said 'unknown argument "-x"'
check "a bad option is named first" [ "$(head -1 "$SCRATCH/err")" = \
  'vorna-run: unknown argument "-x" (the runtime'"'"'s own command line goes after "--")' ]

run "$work" --keep
kept=$(sed -n 's/^vorna-run: sandbox kept in //p' "$SCRATCH/err")
check "--keep keeps the sandbox with the copies" [ -n "$kept" ]
check "--keep: the copies in the kept sandbox" [ -f "$kept/C/SETUP" ]
rm -rf "$kept"

root="$SCRATCH/root"
printf 'SUB MAIN\r\nEND SUB\r\n' >"$work/SETUP"
printf 'large' >"$work/BIG.DAT"
run "$work" --root "$root"
check "--root: staged files on drive C" [ -f "$root/C/STARTUP.CTL" ]
check "--root: the script staged on drive C" [ -f "$root/C/SETUP" ]
check "--root: a file the script never names is not copied" [ ! -e "$root/C/BIG.DAT" ]
rm "$work/BIG.DAT"
check "--root: registry with the shell folders" grep -q "Shell Folders" "$root/registry.reg"
check "--root: the working folder is untouched" [ "$(ls "$work")" = "$(printf 'STARTUP.CTL\nSETUP' | sort)" ]

# The install log of an interactive run: VORNA_LOG names it (a path in the sandbox).
printf 'SUB MAIN\r\n  MKDIR "C:\\Made"\r\nEND SUB\r\n' >"$work/SETUP"
VORNA_LOG='C:\run.log' run "$work" --root "$root"
log="$root/C/run.log"
check "VORNA_LOG: the run succeeds" [ "$code" = 0 ]
check "VORNA_LOG: stamped start line" grep -qE '^[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9:]{8} start: Vorna runtime ' "$log"
check "VORNA_LOG: the folder made" grep -q ' folder created: C:\\Made'$'\r''$' "$log"
check "VORNA_LOG: the exit code last" bash -c "tail -n1 '$log' | grep -q 'exit code 0 (success)'"
rmdir "$root/C/Made"
VORNA_LOG='Q:\nowhere\run.log' run "$work" --root "$root"
check "VORNA_LOG unwritable: the run fails" [ "$code" = 1 ]
check "VORNA_LOG unwritable: said why" said 'The install log Q:\nowhere\run.log cannot be written.'
check "VORNA_LOG unwritable: nothing ran" [ ! -d "$root/C/Made" ]

# -A: the runtime's unattended run, in the sandbox too: the console goes to
# the log, a question without an answer ends the run as failed. What the log
# says is the e2e unattended cases' concern.
printf 'SUB MAIN\r\n  OPTION CONSOLE TRUE\r\n  PRINT "printed"\r\n  MSGBOX "done"\r\nEND SUB\r\n' >"$work/SETUP"
printf 'log C:\\ua.log\r\n' >"$work/ua.txt"
run "$work" --root "$root" -- -A ua.txt
check "-A, unanswered: exit code 1" [ "$code" = 1 ]
check "-A, unanswered: nothing on standard output" [ ! -s "$SCRATCH/out" ]
check "-A: the console in the log" grep -q ' console: printed'$'\r''$' "$root/C/ua.log"
run "$work" --root "$root" -- -A nowhere.txt
check "-A, no answers file: exit code 1" [ "$code" = 1 ]
check "-A, no answers file: said why" said 'nowhere.txt: cannot read the answers file'
rm "$work/ua.txt"

# A dialog the user quit (exit code 3) is in install_sandbox_test.sh.

printf 'not a registry\n' >"$root/registry.reg"
run "$work" --root "$root"
check "unreadable registry: exit code 2" [ "$code" = 2 ]

checks_done "vorna-run"
