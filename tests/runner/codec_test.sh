#!/usr/bin/env bash
# The file set's codecs as the packer sees them: a mix of many files packed
# with each codec comes out byte for byte through vorna-pack extract; the
# default image is what the packer always wrote; and the packer refuses an
# unknown codec and the codec entry's name.
#
#   tests/runner/codec_test.sh PATH/TO/vorna-pack
set -uo pipefail

PACK=$(realpath "$1")
HERE=$(cd "$(dirname "$0")" && pwd)
HELLO="$HERE/../../examples/hello"
SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT
. "$HERE/../e2e/lib.sh"

# A stand-in for the runtime: the MZ and PE headers vorna-pack looks for.
{ printf 'MZ'; head -c 58 /dev/zero; printf '\x40\0\0\0PE\0\0'; } >"$SCRATCH/stub.exe"

# The mix: programs cut at many places, text, empty files, bytes without
# pattern and long runs, some in folders with blanks in their names.
mix="$SCRATCH/mix"
mkdir -p "$mix/bin" "$mix/doc/man pages" "$mix/data/deep/er"
size=$(stat -c %s "$PACK")
for i in $(seq 1 120); do
  head -c $(((i * 7919) % size)) "$PACK" | tail -c $(((i * 104729) % 90000)) >"$mix/bin/part$i.bin"
done
for f in "$HERE"/../../docs/*.md; do cp "$f" "$mix/doc/man pages/"; done
for i in $(seq 1 60); do seq 1 $((i * 97)) >"$mix/data/numbers$i.txt"; done
for i in $(seq 1 20); do : >"$mix/data/deep/empty$i"; done
head -c 300000 /dev/urandom >"$mix/data/deep/er/noise.bin"
head -c 700000 /dev/zero >"$mix/data/deep/er/zeros.bin"

for codec in huffman deflate; do
  image="$SCRATCH/$codec.exe"
  check "$codec: build" "$PACK" build --codec "$codec" --stub "$SCRATCH/stub.exe" \
    --scripts "$HELLO/scripts" --files "$mix" --out "$image"
  check "$codec: verify" "$PACK" verify "$image"
  # On two workers (one worker copies alike: copy_workers_test), which decode ahead.
  VORNA_WORKERS=2 "$PACK" extract "$image" "$SCRATCH/out-$codec" >"$SCRATCH/extracted"
  check "$codec: extract" [ $? = 0 ]
  check "$codec: every extracted file is the packed one" diff -r "$mix" "$SCRATCH/out-$codec"
  check "$codec: two workers decoded ahead" \
    grep -q "files extracted into .* ([1-9][0-9]* decoded ahead)" "$SCRATCH/extracted"
done
check "deflate packs smaller than huffman" \
  test "$(stat -c %s "$SCRATCH/deflate.exe")" -lt "$(stat -c %s "$SCRATCH/huffman.exe")"

# The default image, byte for byte as the packer wrote it before it knew codecs.
scripts="$SCRATCH/scripts"
mkdir -p "$scripts"
printf 'INSTALL\r\n' >"$scripts/STARTUP.CTL"
printf "' the product\r\nSUB MAIN\r\n  PRINT \"hi\"\r\nEND SUB\r\n" >"$scripts/INSTALL"
check "the default image is unchanged" "$PACK" build --stub "$SCRATCH/stub.exe" \
  --scripts "$scripts" --out "$SCRATCH/default.exe"
check "the default image is unchanged: bytes" \
  cmp "$SCRATCH/default.exe" "$HERE/expected/default-image.bin"

refused() {  # refused TEXT COMMAND...: the command fails and says TEXT
  local text=$1
  shift
  ! "$@" >"$SCRATCH/out" 2>&1 && grep -qF -- "$text" "$SCRATCH/out"
}
check "an unknown codec is refused" refused "unknown codec 'lzma'" \
  "$PACK" build --codec lzma --stub "$SCRATCH/stub.exe" --scripts "$scripts" --out "$SCRATCH/x.exe"
printf 'lzma' >"$scripts/~fileset.codec"
check "a script named like the codec entry is refused" refused "kept for the image's own entry" \
  "$PACK" build --stub "$SCRATCH/stub.exe" --scripts "$scripts" --out "$SCRATCH/x.exe"
rm "$scripts/~fileset.codec"
printf 'x' >"$scripts/~FileSet.Index"
check "a script named like the index entry is refused" refused "kept for the image's own entry" \
  "$PACK" build --stub "$SCRATCH/stub.exe" --scripts "$scripts" --out "$SCRATCH/x.exe"

checks_done "codec"
