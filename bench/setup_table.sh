#!/usr/bin/env bash
# The table of `make bench`: what a setup costs, each figure beside the
# yardstick it is measured against in the same run, on the many-file mix of
# bench/make_mix.sh. Timed figures are the best of alternating rounds, so a
# machine busy with other work slows every column alike.
#
# Usage: bench/setup_table.sh BUILD_LINUX_DIR [BUILD_WIN32_DIR]
#
# Rows for features a build lacks say "n/a (not built)": the deflate file set
# when `vorna-pack` knows no --codec, two workers when it does not read
# VORNA_WORKERS (bench/README.md).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
linux=$(cd "${1:?usage: setup_table.sh BUILD_LINUX_DIR [BUILD_WIN32_DIR]}" && pwd)
win32=${2:-$here/../build/win32}
pack="$linux/tools/pack/vorna-pack"
rounds=${VORNA_BENCH_ROUNDS:-3}
work="$linux/bench/setup-table"
mix="$linux/bench/mix"
before_stub=1545163  # the runtime's size before it was built lean
goal_stub=$((400 * 1024))

"$here/make_mix.sh" "$mix"
rm -rf "$work"
cleaned=$(date +%s)
mkdir -p "$work/scripts"
payload=$(find "$mix" -type f ! -name '.*' -printf '%s\n' | awk '{ s += $1 } END { print s }')
files=$(find "$mix" -type f ! -name '.*' | wc -l)
mb=$(awk -v b="$payload" 'BEGIN { printf "%.1f", b / 1e6 }')

row() { printf '%-54s %-22s %s\n' "$1" "$2" "$3"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
rate() { awk -v s="$1" -v b="$payload" 'BEGIN { printf "%.1f MB/s", b / 1e6 / s }'; }
pair() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f s / %.2f s", a, b }'; }

# ---- What the build offers --------------------------------------------------

codecs=(huffman)
if grep -q -a -- '--codec' "$pack"; then codecs+=(deflate); fi
workers=(1)
if grep -q -a VORNA_WORKERS "$pack"; then workers+=(2); fi
has() { local x=$1; shift; [[ " $* " == *" $x "* ]]; }

# ---- Images -------------------------------------------------------------------

stub="$win32/host/win32/vorna.exe"
if [ ! -f "$stub" ]; then
  # A stand-in with the MZ and PE headers vorna-pack looks for.
  stub="$work/stub.exe"
  { printf 'MZ'; head -c 58 /dev/zero; printf '\x40\0\0\0PE\0\0'; } >"$stub"
fi
printf 'SUB MAIN\r\nEND SUB\r\n' >"$work/scripts/MAIN.BAS"
for codec in "${codecs[@]}"; do
  option=()
  [ "$codec" = huffman ] || option=(--codec "$codec")
  "$pack" build --no-check "${option[@]}" --stub "$stub" --scripts "$work/scripts" \
    --files "$mix" --out "$work/$codec.exe" >/dev/null
done
(cd "$mix" && find . -type f ! -name '.*' -print0 | LC_ALL=C sort -z |
  tar --null -T - -cf - | gzip -6 >"$work/mix.tar.gz")

# Many small files in one folder: each new name is looked up in a folder that
# keeps growing, which costs the square of the count when a lookup reads the
# whole folder.
flat_files=5000
mkdir -p "$work/flat"
for ((i = 0; i < flat_files; ++i)); do echo "file $i" >"$work/flat/f$i.txt"; done
"$pack" build --no-check --stub "$stub" --scripts "$work/scripts" --files "$work/flat" \
  --out "$work/flat.exe" >/dev/null
tar -C "$work/flat" -cf "$work/flat.tar" .

# ---- Timing -------------------------------------------------------------------

# ext4 without a journal passes over every inode freed in the last minute
# (longer while the inode's table is not yet on disk) whenever it allocates
# one, so runs just after a large deletion, such as the clean-up of the last
# bench above, are slowed by it. The timing starts a minute after the
# clean-up, with everything written out.
sync
settle=$((cleaned + ${VORNA_BENCH_SETTLE:-60} - $(date +%s)))
if [ "$settle" -gt 0 ]; then sleep "$settle"; fi

declare -A best
runs=0
# Runs one measurement into a fresh folder, $out, and keeps its best clock
# time under name. Nothing is deleted until every round is done, for the same
# reason: a deletion just before a run would slow that run by the number of
# files deleted, not by anything the run does.
measure() {  # name command...
  local name=$1 start end seconds
  shift
  out="$work/out/$((runs += 1))"
  mkdir -p "$out"
  start=$EPOCHREALTIME
  "$@" >/dev/null 2>&1 || { echo "bench: $name failed: $*" >&2; exit 1; }
  end=$EPOCHREALTIME
  seconds=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f", b - a }')
  if [ -z "${best[$name]:-}" ] || awk -v a="$seconds" -v b="${best[$name]}" 'BEGIN { exit !(a < b) }'; then
    best[$name]=$seconds
  fi
}
gzip_tar() { gzip -d -c "$work/mix.tar.gz" | tar -x -C "$out"; }
tar_flat() { tar -x -C "$out" -f "$work/flat.tar"; }
extract() { VORNA_WORKERS=$1 "$pack" extract "$2" "$out/x"; }
verify() { VORNA_WORKERS=1 "$pack" verify "$1"; }

for ((round = 0; round < rounds; ++round)); do
  measure gzip gzip_tar
  measure tar-flat tar_flat
  measure extract-flat extract 1 "$work/flat.exe"
  for codec in "${codecs[@]}"; do
    measure "verify-$codec" verify "$work/$codec.exe"
    for n in "${workers[@]}"; do
      measure "extract-$codec-$n" extract "$n" "$work/$codec.exe"
    done
  done
done
rm -rf "$work/out"

# ---- The table ------------------------------------------------------------------

echo "payload: $files files, $mb MB (bench/make_mix.sh); best of $rounds alternating rounds"
row "measure" "figure" "ratio"
stub_size=$(stat -c %s "$win32/host/win32/vorna.exe" 2>/dev/null || echo)
if [ -n "$stub_size" ]; then
  row "runtime vorna.exe (the stub of every setup)" "$stub_size bytes" \
    "$(ratio "$stub_size" $before_stub) of $before_stub before; $(ratio "$stub_size" $goal_stub) of the $goal_stub goal"
else
  row "runtime vorna.exe (the stub of every setup)" "n/a (not built)" ""
fi
stub_bytes=$(stat -c %s "$stub")
for codec in huffman deflate; do
  if has "$codec" "${codecs[@]}"; then
    size=$(($(stat -c %s "$work/$codec.exe") - stub_bytes))
    row "image without stub, $codec" "$size bytes" "$(ratio $size "$payload") of the payload (goal deflate <= 0.40)"
  else
    row "image without stub, $codec" "n/a (not built)" ""
  fi
done
row "gzip -d | tar x of the same files" "$(rate "${best[gzip]}")" "1.00"
for codec in huffman deflate; do
  for n in 1 2; do
    label="extract, $codec, $n worker$([ $n = 1 ] || echo s)"
    if has "$codec" "${codecs[@]}" && has "$n" "${workers[@]}"; then
      row "$label" "$(rate "${best[extract-$codec-$n]}")" \
        "$(ratio "${best[gzip]}" "${best[extract-$codec-$n]}") of gzip -d | tar x; $(ratio "${best[verify-$codec]}" "${best[extract-$codec-$n]}") of verify"
    else
      row "$label" "n/a (not built)" ""
    fi
  done
done
for codec in huffman deflate; do
  for n in 1 2; do
    label="extract / verify (per-file cost), $codec, $n worker$([ $n = 1 ] || echo s)"
    if has "$codec" "${codecs[@]}" && has "$n" "${workers[@]}"; then
      row "$label" "$(pair "${best[extract-$codec-$n]}" "${best[verify-$codec]}")" \
        "$(ratio "${best[extract-$codec-$n]}" "${best[verify-$codec]}") (goal <= 1.15)"
    else
      row "$label" "n/a (not built)" ""
    fi
  done
done
if has 2 "${workers[@]}"; then
  row "two workers / one, huffman extract" "$(pair "${best[extract-huffman-1]}" "${best[extract-huffman-2]}")" \
    "$(ratio "${best[extract-huffman-1]}" "${best[extract-huffman-2]}")x (goal >= 1.6)"
else
  row "two workers / one, huffman extract" "n/a (not built)" ""
fi
if has deflate "${codecs[@]}"; then
  row "deflate / huffman extract" "$(pair "${best[extract-huffman-1]}" "${best[extract-deflate-1]}")" \
    "$(ratio "${best[extract-huffman-1]}" "${best[extract-deflate-1]}")x (goal >= 2.5)"
else
  row "deflate / huffman extract" "n/a (not built)" ""
fi

row "extract / tar x, $flat_files small files in one folder" \
  "$(pair "${best[extract-flat]}" "${best[tar-flat]}")" "$(ratio "${best[extract-flat]}" "${best[tar-flat]}")"

"$linux/bench/bench_decoder" --mix "$mix"
"$here/decoder_instructions.sh" "$linux" "$mix"
