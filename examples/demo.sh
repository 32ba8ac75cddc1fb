#!/usr/bin/env bash
# Packs the sample product examples/hello into a setup executable and runs it
# in the sandbox of vorna-run, showing each step.
#
#   examples/demo.sh [BUILD_LINUX_DIR [BUILD_WIN32_DIR]]
set -euo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)
SOURCE=$(cd "$HERE/.." && pwd)
LINUX=$(cd "${1:-$SOURCE/build/linux}" && pwd)
WIN32=${2:-$SOURCE/build/win32}
PACK="$LINUX/tools/pack/vorna-pack"
RUN="$LINUX/host/portable/vorna-run"
STUB="$WIN32/host/win32/vorna.exe"
OUT="$LINUX/demo"
mkdir -p "$OUT"

step() { printf '\n\033[1m== %s\033[0m\n' "$*"; }
show() { printf '$ %s\n' "$*"; "$@"; }

if [ ! -f "$STUB" ]; then
  echo "demo: no runtime at $STUB; build it with 'make win32'" >&2
  exit 1
fi

step "The sample product: a start-up control entry and one script module"
show ls -l "$HERE/hello"
sed 's/\r$//' "$HERE/hello/STARTUP.CTL" | sed 's/^/    /'

step "Pack it behind the runtime: vorna.exe + scrambled container + trailer = setup.exe"
show "$PACK" build --stub "$STUB" --scripts "$HERE/hello" --out "$OUT/setup.exe"
echo "runtime $(stat -c %s "$STUB") bytes, setup.exe $(stat -c %s "$OUT/setup.exe") bytes"

step "What the container holds"
show "$PACK" list "$OUT/setup.exe"

step "Run it in the sandbox: start-up reads STARTUP.CTL from the image, loads HELLO.BAS, finds MAIN"
echo "(running MAIN itself comes with the interpreter; until then a good start is a silent one)"
cd "$OUT"
show "$RUN" --image setup.exe
echo "exit code $?"

step "The runtime's command line: an unknown switch is refused with a start-up message"
show "$RUN" --image setup.exe -- -x
echo "exit code $?"

step "A start-up control entry that is neither in the image nor on disk"
show "$RUN" --image setup.exe -- /s missing.ctl || true

step "Without --image the same files run as plain files of the current folder"
cd "$HERE/hello"
show "$RUN" -- -d
echo "exit code $?"
