#!/bin/sh
# Runs every fuzz target for a short bounded time over its kept inputs: the
# corpus (corpus/<target>/) and the crash inputs of past findings
# (regressions/<target>/), with the target's dictionary (<target>.dict) when
# it has one. New inputs go to a scratch folder; the kept ones are only read.
# A finding is written to BUILD_DIR/tests/fuzz/artifacts-<target>/: fix it and
# keep the input in regressions/<target>/ (README.md says how).
# usage: tests/fuzz/run.sh BUILD_DIR [SECONDS]
set -eu
build=${1:?usage: run.sh BUILD_DIR [SECONDS]}
seconds=${2:-30}
here=$(cd "$(dirname "$0")" && pwd)
status=0
for target in "$build"/tests/fuzz/*_fuzz; do
  [ -x "$target" ] || continue
  name=$(basename "$target" _fuzz)
  work=$(mktemp -d)
  artifacts="$build/tests/fuzz/artifacts-$name/"
  mkdir -p "$artifacts"
  set -- "$work"
  [ -d "$here/corpus/$name" ] && set -- "$@" "$here/corpus/$name"
  [ -d "$here/regressions/$name" ] && set -- "$@" "$here/regressions/$name"
  [ -f "$here/$name.dict" ] && set -- -dict="$here/$name.dict" "$@"
  echo "fuzz: $name for ${seconds}s"
  if ! "$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="$artifacts" -print_final_stats=1 "$@" 2>"$build/tests/fuzz/$name.log"; then
    echo "fuzz: $name FAILED; see $build/tests/fuzz/$name.log and $artifacts" >&2
    tail -30 "$build/tests/fuzz/$name.log" >&2
    status=1
  else
    grep -E '^stat::number_of_executed_units|^Done' "$build/tests/fuzz/$name.log" || true
  fi
  rm -rf "$work"
done
exit $status
