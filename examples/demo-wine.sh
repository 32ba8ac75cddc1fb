#!/usr/bin/env bash
# Installs the sample product with the real hello-setup.exe under Wine, the
# way a user would: agree to the licence, OK on the drive and the folder, the
# copy, the closing message. A screenshot of each dialog is saved on the way.
# Without a display a private X server (Xvfb) is used.
#
#   examples/demo-wine.sh [BUILD_WIN32_DIR [BUILD_LINUX_DIR]]
#
# Where Wine cannot start 32-bit programs, the win64 build beside the win32
# one is installed instead (tests/wine/wine_arch.sh).
set -uo pipefail

SOURCE=$(cd "$(dirname "$0")/.." && pwd)
LINUX=$(cd "${2:-$SOURCE/build/linux}" && pwd)
HERE="$SOURCE/tests/e2e"
. "$SOURCE/tests/wine/wine_arch.sh"
wine_select "${1:-$SOURCE/build/win32}" e2e/wineprefix || exit 1
BUILD=$WIN_BUILD
EXE="$BUILD/host/win32/vorna.exe"
PACK="$LINUX/tools/pack/vorna-pack"
OUT="$BUILD/demo-wine"
INSTALL_SOURCE=$SOURCE
mkdir -p "$OUT"
rm -f "$OUT"/*.png "$OUT"/*.log "$OUT"/*.rc

. "$HERE/lib.sh"
. "$HERE/install.sh"

work_folder() {
  mkdir -p "$OUT/work/$1"
  echo "$OUT/work/$1"
}
settle() {
  if [ ! -s "$OUT/$1.rc" ]; then
    WINEDEBUG=-all wineserver -k >/dev/null 2>&1 || true
    wait_exit "$1" 10 >/dev/null || true
  fi
}

for tool in xdotool import; do
  command -v "$tool" >/dev/null || { echo "demo-wine: $tool is needed" >&2; exit 2; }
done
[ -f "$EXE" ] && [ -x "$PACK" ] || { echo "demo-wine: build $(basename "$BUILD") and linux first" >&2; exit 2; }

trap stop_all EXIT
if [ -z "${DISPLAY:-}" ]; then
  start_display || exit 1
fi
prepare_wine
echo "demo-wine: installing examples/hello with hello-setup.exe under Wine"
case_install_full
echo "demo-wine: installed into $WINEPREFIX/drive_c/Program Files/Hello:"
(cd "$WINEPREFIX/drive_c/Program Files/Hello" 2>/dev/null && find . -type f | sort | sed 's|^\./|    |')
echo "demo-wine: screenshots:"
ls -1 "$OUT"/*.png 2>/dev/null | sed 's/^/    /'
[ "$E2E_FAILED" -eq 0 ]
