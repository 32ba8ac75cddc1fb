# Which Windows build the Wine suites run, and under which Wine loader.
#
# Some kernels run no 32-bit programs: there Wine's 32-bit loader fails with
# "Exec format error". The suites then run the 64-bit build (preset win64,
# the folder win64 beside the win32 build) under the 64-bit loader in a
# 64-bit prefix of its own; everywhere else they run the 32-bit build, the
# one that ships. The answer comes from starting a trivial 32-bit program
# (wine_arch_probe.exe of the win32 build) with the 32-bit loader.
#
#   VORNA_WINE_ARCH=32 or 64   forces the answer (the chosen loader must
#                              still start its probe, or the suite fails)
#   VORNA_WINE32_LOADER, VORNA_WINE64_LOADER
#                              the loaders, where Debian does not put them
#
# Sourced by every Wine suite, which then calls
#   wine_select BUILD_WIN32_DIR PREFIX_NAME || exit 1
# and finds in WIN_BUILD the build folder to run, in WINEPREFIX
# ($WIN_BUILD/PREFIX_NAME) and WINEARCH its prefix, and first on PATH the
# `wine`, `wineboot` and `winepath` of the loader that started the probe.

VORNA_WINE32_LOADER=${VORNA_WINE32_LOADER:-/usr/lib/wine/wine}
VORNA_WINE64_LOADER=${VORNA_WINE64_LOADER:-/usr/lib/wine/wine64}
WINE_LINE_32="Wine: 32-bit runtime"
WINE_LINE_64="Wine: 32-bit programs cannot run on this machine; running the 64-bit build under wine64"

# wine_probe LOADER BUILD PREFIX BITS: starts the probe program of BUILD with
# LOADER in PREFIX (made when missing, which takes a while) and expects it
# to print "BITS-bit". Sets WINE_PROBE_REASON when it does not.
wine_probe() {
  local loader=$1 program="$2/tests/wine/wine_arch_probe.exe" prefix=$3 bits=$4 errors printed
  WINE_PROBE_REASON=
  if [ ! -f "$program" ]; then
    WINE_PROBE_REASON="no $program (build the win$bits preset)"
    return 1
  fi
  errors=$(mktemp)
  mkdir -p "$(dirname "$prefix")"
  # Through bash, so that a loader of a foreign format reads "Exec format
  # error" instead of being handed to /bin/sh as a script.
  printed=$(WINEPREFIX="$prefix" WINEARCH="win$bits" WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml=" timeout 300 bash -c '"$@"' wine-probe "$loader" "$program" \
    2>"$errors" | tr -d '\r')
  if [ "$printed" != "$bits-bit" ]; then
    WINE_PROBE_REASON=$(sed -n 's/^wine-probe: line [0-9]*: //; /./h; ${x;p}' "$errors")
    WINE_PROBE_REASON="$loader did not start a $bits-bit program: ${WINE_PROBE_REASON:-it printed \"$printed\"}"
  fi
  rm -f "$errors"
  # The suite starts its own Wine session, with its display; the probe's
  # ends here, and a new prefix is written out with it.
  if [ -d "$prefix" ]; then
    WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1
    WINEPREFIX="$prefix" wineserver -w >/dev/null 2>&1
  fi
  [ -z "$WINE_PROBE_REASON" ]
}

# wine_answer BUILD_WIN32_DIR PREFIX_NAME: sets WINE_ARCH to 32 or 64, and
# WINE32_REASON to why the 32-bit loader is not used.
wine_answer() {
  WINE32_REASON=
  case "${VORNA_WINE_ARCH:-}" in
    32 | 64)
      WINE_ARCH=$VORNA_WINE_ARCH
      WINE32_REASON="not tried (VORNA_WINE_ARCH=$VORNA_WINE_ARCH)"
      return 0
      ;;
    "") ;;
    *)
      echo "Wine: VORNA_WINE_ARCH must be 32 or 64, not \"$VORNA_WINE_ARCH\"" >&2
      return 1
      ;;
  esac
  if wine_probe "$VORNA_WINE32_LOADER" "$1" "$1/$2" 32; then
    WINE_ARCH=32
  else
    WINE_ARCH=64
    WINE32_REASON=$WINE_PROBE_REASON
  fi
}

# wine_loader_on_path LOADER FOLDER: `wine`, `wineboot` and `winepath` in
# FOLDER start LOADER, and FOLDER comes first on PATH (for the suites and
# for what they start, vorna-debug among them).
wine_loader_on_path() {
  local loader=$1 folder=$2
  mkdir -p "$folder"
  printf '#!/bin/sh\nexec "%s" "$@"\n' "$loader" >"$folder/wine"
  printf '#!/bin/sh\nexec "%s" wineboot "$@"\n' "$loader" >"$folder/wineboot"
  printf '#!/bin/sh\nexec "%s" winepath "$@"\n' "$loader" >"$folder/winepath"
  chmod +x "$folder/wine" "$folder/wineboot" "$folder/winepath"
  export PATH="$folder:$PATH"
}

# wine_select BUILD_WIN32_DIR PREFIX_NAME: see the top of this file. Prints
# the suite's first line; fails with the reason when no build can run.
wine_select() {
  local win32 prefix_name=$2
  win32=$(cd "$1" && pwd) || return 1
  wine_answer "$win32" "$prefix_name" || return 1
  if [ "$WINE_ARCH" = 32 ]; then
    WIN_BUILD=$win32
    if [ -n "${VORNA_WINE_ARCH:-}" ] &&
      ! wine_probe "$VORNA_WINE32_LOADER" "$WIN_BUILD" "$WIN_BUILD/$prefix_name" 32; then
      echo "Wine: the 32-bit runtime cannot run: $WINE_PROBE_REASON" >&2
      return 1
    fi
    export WINEARCH=win32 WINEPREFIX="$WIN_BUILD/$prefix_name"
    wine_loader_on_path "$VORNA_WINE32_LOADER" "$WIN_BUILD/wine-loader"
    echo "$WINE_LINE_32"
  else
    WIN_BUILD=$(dirname "$win32")/win64
    if ! wine_probe "$VORNA_WINE64_LOADER" "$WIN_BUILD" "$WIN_BUILD/$prefix_name" 64; then
      echo "Wine: no Windows build can run here. 32-bit: $WINE32_REASON. 64-bit: $WINE_PROBE_REASON" >&2
      return 1
    fi
    export WINEARCH=win64 WINEPREFIX="$WIN_BUILD/$prefix_name" WINELOADER=$VORNA_WINE64_LOADER
    wine_loader_on_path "$VORNA_WINE64_LOADER" "$WIN_BUILD/wine-loader"
    echo "$WINE_LINE_64"
  fi
  if [ -n "${VORNA_WINE_ARCH:-}" ]; then echo "Wine: (chosen by VORNA_WINE_ARCH=$VORNA_WINE_ARCH)"; fi
}
