#!/usr/bin/env bash
# Rows of the bench table that count instructions instead of time: callgrind
# counts the same on a busy machine as on an idle one. On a small part of the
# mix (every eighth file, at most 3 MB), as callgrind runs some fifty times
# slower than the program.
#
# Usage: bench/decoder_instructions.sh BUILD_LINUX_DIR MIX_DIR
set -euo pipefail
linux=$(cd "${1:?usage: decoder_instructions.sh BUILD_LINUX_DIR MIX_DIR}" && pwd)
mix=$(cd "${2:?usage: decoder_instructions.sh BUILD_LINUX_DIR MIX_DIR}" && pwd)
pack="$linux/tools/pack/vorna-pack"
row() { printf '%-44s %-22s %s\n' "$1" "$2" "$3"; }
per_byte() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", a / b }'; }

if ! command -v valgrind >/dev/null; then
  row "decoder instructions per byte (callgrind)" "n/a (no valgrind)" ""
  exit 0
fi

work="$linux/bench/instructions"
rm -rf "$work"
mkdir -p "$work/small" "$work/scripts"
(cd "$mix" && find . -type f ! -name '.*' -print | LC_ALL=C sort |
  awk 'NR % 8 == 1' | while read -r f; do
    size=$(stat -c %s "$f")
    total=$((${total:-0} + size))
    [ $total -le $((3 * 1024 * 1024)) ] || continue
    mkdir -p "$work/small/$(dirname "$f")"
    cp "$f" "$work/small/$f"
  done)
bytes=$(find "$work/small" -type f -printf '%s\n' | awk '{ s += $1 } END { print s }')

# Instructions callgrind collects for command (while in functions matching
# toggle when one is given).
instructions() {  # toggle command...
  local toggle=()
  [ -z "$1" ] || toggle=(--collect-atstart=no "--toggle-collect=$1")
  shift
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "${toggle[@]}" "$@" 2>&1 >/dev/null |
    sed -n 's/.*Collected : *\([0-9]*\).*/\1/p'
}

ours=$(instructions '*TimeOurs*' "$linux/bench/bench_decoder" --mix "$work/small" --profile ours)
theirs=$(instructions '*TimeReference*' "$linux/bench/bench_decoder" --mix "$work/small" --profile reference)
row "decoder instructions per byte (callgrind)" "$(per_byte "$ours" "$bytes")" \
  "$(awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "%.2f", a / b }') of the straightforward decoder's $(per_byte "$theirs" "$bytes")"

# The whole of `vorna-pack verify` per codec: reading, decoding and checking.
# The stand-in stub has only the headers the packer looks for; it says so on
# standard error, which is shown only when the build fails.
{ printf 'MZ'; head -c 58 /dev/zero; printf '\x40\0\0\0PE\0\0'; } >"$work/stub.exe"
printf 'SUB MAIN\r\nEND SUB\r\n' >"$work/scripts/MAIN.BAS"
huffman=
for codec in huffman deflate; do
  option=()
  [ "$codec" = huffman ] || option=(--codec "$codec")
  if [ "$codec" = deflate ] && ! grep -q -a -- '--codec' "$pack"; then
    row "verify instructions per byte, $codec" "n/a (not built)" ""
    continue
  fi
  if ! "$pack" build --no-check "${option[@]}" --stub "$work/stub.exe" --scripts "$work/scripts" \
    --files "$work/small" --out "$work/$codec.exe" >/dev/null 2>"$work/build.err"; then
    cat "$work/build.err" >&2
    exit 1
  fi
  count=$(instructions '' "$pack" verify "$work/$codec.exe")
  huffman=${huffman:-$count}
  row "verify instructions per byte, $codec" "$(per_byte "$count" "$bytes")" \
    "$(awk -v a="$count" -v b="$huffman" 'BEGIN { printf "%.2f", a / b }') of huffman's"
done
rm -rf "$work"
