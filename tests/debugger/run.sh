#!/usr/bin/env bash
# Debugger sessions end to end: vorna-debug drives a runtime through a batch
# of commands, and its transcript must match the expected one.
#
#   tests/debugger/run.sh VORNA_DEBUG RUNTIME
#
# RUNTIME is vorna-run (tests/e2e/debugger.sh runs two of the cases through
# vorna.exe under Wine). Each folder here is a case: the plain module files,
# commands.txt (the batch), expected.txt (the client's standard output),
# optionally stderr-has.txt (lines that must appear in the standard error,
# where the runtime shows its message boxes) and answers.txt for the
# runtime's dialogs.
set -uo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 VORNA_DEBUG RUNTIME" >&2
  exit 2
fi
HERE=$(cd "$(dirname "$0")" && pwd)
CLIENT=$(realpath "$1")
RUNTIME=$(realpath "$2")
SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT
. "$HERE/../e2e/lib.sh"

# Every line of the case's stderr-has.txt appears in its standard error.
stderr_has_all() {
  local dir=$1 line
  [ -f "$dir/stderr-has.txt" ] || return 0
  while IFS= read -r line; do
    grep -qF -- "$line" "$dir/stderr.txt" || return 1
  done <"$dir/stderr-has.txt"
}

run_case() {
  local case=$1 dir="$SCRATCH/$1" hostOptions=()
  mkdir -p "$dir"
  cp "$HERE/$case"/* "$dir"/
  if [ -f "$dir/answers.txt" ]; then hostOptions=(--answers answers.txt); fi
  (cd "$dir" && timeout 120 "$CLIENT" --batch commands.txt "$RUNTIME" "${hostOptions[@]}" \
    </dev/null >"$dir/transcript.txt" 2>"$dir/stderr.txt")
  local code=$?
  if [ "$code" -ne 0 ]; then
    fail "$case" "exit code $code"
    sed 's/^/    /' "$dir/stderr.txt"
  elif ! diff -u "$HERE/$case/expected.txt" "$dir/transcript.txt" >"$dir/diff.txt"; then
    fail "$case" "transcript differs"
    sed 's/^/    /' "$dir/diff.txt"
    sed 's/^/    stderr: /' "$dir/stderr.txt"
  elif grep -qE 'ERROR: AddressSanitizer|runtime error:|ERROR: LeakSanitizer' "$dir/stderr.txt"; then
    fail "$case" "a sanitizer reported"
    sed 's/^/    stderr: /' "$dir/stderr.txt"
  elif ! stderr_has_all "$dir"; then
    fail "$case" "standard error lacks a line of stderr-has.txt"
    sed 's/^/    stderr: /' "$dir/stderr.txt"
  else
    pass "$case"
  fi
}

for case_dir in "$HERE"/*/; do
  run_case "$(basename "$case_dir")"
done
checks_done debugger && [ "$E2E_PASSED" -gt 0 ]
