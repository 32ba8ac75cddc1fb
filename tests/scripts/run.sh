#!/usr/bin/env bash
# Runs the golden scripts and compares their console output, on either host:
#
#   tests/scripts/run.sh BUILD_DIR [FILTER]               through vorna-run
#   tests/scripts/run.sh --wine BUILD_WIN32_DIR [FILTER]  through vorna.exe -A under Wine
#
# Each tests/scripts/<feature>/*.bas is one program; its expectations stand
# in it as comments (' expect:, ' answers:, ' stderr:, ' exit:, ' host:,
# ' faults:, ' registry:, ' check:), described with what makes a script pass,
# and how the Wine runs differ, in docs/script-tests.md.
# FILTER, when given, runs only the scripts whose path contains it.
# VORNA_SCRIPT_TIMEOUT (seconds, 120 by default) bounds each sandbox run; the
# mutation runner shortens it, so that a mutant that makes loops endless
# fails in seconds rather than minutes.
set -u

host=sandbox
if [ "${1:-}" = "--wine" ]; then
  host=wine
  shift
fi
build_dir=${1:?usage: run.sh [--wine] BUILD_DIR [FILTER]}
filter=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/vorna-scripts.XXXXXX")
trap 'rm -rf "$work"' EXIT

if [ "$host" = sandbox ]; then
  runner=$(cd "$build_dir" && pwd)/host/portable/vorna-run
  packer=$(cd "$build_dir" && pwd)/tools/pack/vorna-pack
  [ -x "$runner" ] || { echo "run.sh: no vorna-run in $build_dir" >&2; exit 2; }
  [ -x "$packer" ] || { echo "run.sh: no vorna-pack in $build_dir" >&2; exit 2; }
else
  . "$here/../wine/wine_arch.sh"
  wine_select "$(cd "$build_dir" && pwd)" scripts/wineprefix || exit 2
  runtime="$WIN_BUILD/host/win32/vorna.exe"
  [ -f "$runtime" ] || { echo "run.sh: no vorna.exe in $WIN_BUILD" >&2; exit 2; }
  OUT=$work
  . "$here/../e2e/lib.sh"
  trap 'stop_all; rm -rf "$work"' EXIT
  start_display || exit 2
  prepare_wine
fi

passed=0
failed=0
failures=()

# The text of every "' KIND: " comment of a script, one per line.
directive() {
  local kind=$1 file=$2
  sed -n "s/^.*' $kind:\( \(.*\)\)\{0,1\}\r\{0,1\}\$/\2/p" "$file"
}

# The answers file of a script: its answers lines, "N* LINE" written out N
# times (an answer starts with the word of its question, never a digit).
answers_of() {
  directive answers "$1" | awk '
    match($0, /^[0-9]+\* /) {
      count = substr($0, 1, RLENGTH - 2) + 0
      for (i = 0; i < count; i++) print substr($0, RLENGTH + 1)
      next
    }
    { print }'
}

# "FILE:LINE|COL: SEVERITY: MESSAGE" for each "' check:" line of a module FILE;
# a directive on a line of its own belongs to the next line that is no comment.
check_directives() {
  local file=$1 name=$2
  awk -v name="$name" '
    { line = $0; sub(/\r$/, "", line) }
    match(line, /\047 check: /) {
      text = substr(line, RSTART + 9)
      if (line ~ /^[ \t]*\047/) { pending[++count] = text; next }
      print name ":" NR "|" text
      next
    }
    line ~ /^[ \t]*(\047.*)?$/ { next }
    { for (i = 1; i <= count; i++) print name ":" NR "|" pending[i]; count = 0 }
  ' "$file"
}

# The checker's diagnostics of the case folder against the scripts' "check"
# lines, at line and column.
check_case() {
  local case_dir=$1
  (cd "$case_dir" && "$packer" check . 2>/dev/null) |
    sed -n 's|^\./\([^:]*\):\([0-9]*\):\([0-9]*\): \(.*\)$|\1:\2\|\3: \4|p' | sort >"$work/checked"
  for module in "$case_dir"/*; do
    case "$module" in *.BAS | *.bas) check_directives "$module" "$(basename "$module")" ;; esac
  done | sort >"$work/check-expected"
  diff -u --label expected --label checked "$work/check-expected" "$work/checked" >"$work/check-diff"
}

# run_in_sandbox SCRIPT: runs the case folder through vorna-run; sets status.
run_in_sandbox() {
  local script=$1 case_dir="$work/case"
  answers_of "$script" > "$work/answers"
  local options=(--answers "$work/answers")
  if grep -q "' registry:" "$script"; then
    rm -rf "$work/root" && mkdir -p "$work/root"
    { printf 'REGEDIT4\r\n\r\n'; directive registry "$script" | sed 's/$/\r/'; } \
      > "$work/root/registry.reg"
    options+=(--root "$work/root")
  fi
  local faults
  faults=$(directive faults "$script" | paste -sd, -)
  [ -z "$faults" ] || options+=(--faults "$faults")
  status=0
  (cd "$case_dir" && timeout "${VORNA_SCRIPT_TIMEOUT:-120}" "$runner" "${options[@]}" </dev/null >"$work/out" 2>"$work/err") ||
    status=$?
}

# run_under_wine SCRIPT: runs the case folder through vorna.exe -A; sets
# status (as vorna-run numbers it) and takes the output from the log.
run_under_wine() {
  local script=$1 case_dir="$work/case"
  { printf 'log test.log\r\n'; answers_of "$script" | sed 's/$/\r/'; } > "$case_dir/answers.txt"
  status=0
  (cd "$case_dir" && WINEDEBUG=-all timeout 120 wine "$runtime" -A answers.txt </dev/null \
    >/dev/null 2>"$work/err") || status=$?
  case $status in
    $((1603 % 256))) status=1 ;;
    $((1602 % 256))) status=3 ;;
  esac
  tr -d '\r' < "$case_dir/test.log" 2>/dev/null | sed -n 's/^[0-9-]* [0-9:]* console: //p' > "$work/out"
}

# Why a script does not run under Wine; the empty text when it does.
sandbox_only() {
  if grep -q "' registry:" "$1"; then echo "starts from a sandbox registry of its own"; fi
  if [ "$(directive host "$1")" = sandbox ]; then echo "checks the sandbox's own behaviour"; fi
  if grep -q "' faults:" "$1"; then echo "injects sandbox faults"; fi
}

run_one() {
  local script=$1 name=$2
  local case_dir="$work/case" out="$work/out" err="$work/err" expected="$work/expected"
  local reason
  reason=$(sandbox_only "$script" | head -n1)
  if [ "$host" = wine ] && [ -n "$reason" ]; then
    echo "SKIP $name: $reason"
    return
  fi
  rm -rf "$case_dir" && mkdir -p "$case_dir"
  cp "$script" "$case_dir/TEST.BAS"
  if [ -d "${script%.bas}.files" ]; then cp "${script%.bas}.files"/* "$case_dir"/; fi
  printf 'TEST.BAS\r\n' > "$case_dir/STARTUP.CTL"
  directive expect "$script" > "$expected"
  local problems=() expected_status
  : >"$work/check-diff"
  if [ "$host" = sandbox ]; then
    check_case "$case_dir" || problems+=("checker diagnostics differ")
    run_in_sandbox "$script"
  else
    run_under_wine "$script"
  fi
  expected_status=$(directive exit "$script" | tail -n1)
  [ "$status" -eq "${expected_status:-0}" ] || problems+=("exit code $status")
  if ! diff -u --label expected --label actual "$expected" "$out" > "$work/diff"; then
    problems+=("output differs")
  fi
  if [ "$host" = sandbox ]; then
    while IFS= read -r text; do
      grep -qF -- "$text" "$err" || problems+=("stderr lacks: $text")
    done < <(directive stderr "$script")
  fi
  # Every answer a script gives must be asked for.
  if grep -q 'answers were not used' "$err"; then problems+=("unused answers"); fi
  if grep -qE 'ERROR: AddressSanitizer|runtime error:|ERROR: LeakSanitizer' "$err"; then
    problems+=("sanitizer report")
  fi
  if [ ${#problems[@]} -eq 0 ]; then
    passed=$((passed + 1))
    return
  fi
  failed=$((failed + 1))
  failures+=("$name")
  echo "FAIL $name: ${problems[*]}"
  sed 's/^/    /' "$work/diff" "$work/check-diff"
  echo "    --- stderr ---"
  sed 's/^/    /' "$err" | head -40
}

# The runner is the install disk of the sandbox's runs (A:\vorna-run): no
# script may change it. Under Wine the runtime runs from its own folder.
[ "$host" = sandbox ] || runner=$runtime
runner_sum=$(sha256sum "$runner")
for script in "$here"/*/*.bas; do
  name=${script#"$here"/}
  [ -n "$filter" ] && [[ "$name" != *"$filter"* ]] && continue
  run_one "$script" "$name"
done
if [ "$(sha256sum "$runner")" != "$runner_sum" ]; then
  failed=$((failed + 1))
  echo "FAIL the runner $runner changed during the run"
fi

if [ "$host" = wine ]; then build_dir=${WIN_BUILD#$PWD/}; fi
echo "$passed passed, $failed failed ($build_dir, $host)"
[ "$failed" -eq 0 ]
