#!/usr/bin/env bash
# Builds the runtime (win32) and the packer (linux) a second time from a copy
# of the tree in another folder and compares them byte for byte with the
# builds given: a vendor must be able to rebuild the runtime inside a signed
# setup from the published source and get the same file.
#
# Usage: tests/reproducible/same_bytes.sh BUILD_WIN32_DIR BUILD_LINUX_DIR
#
# The second build compiles with a compiler cache of its own. The shared cache
# serves objects across folders (its base_dir makes paths relative before
# hashing), so an object compiled in the first folder could stand in for one
# of the second and hide a path that leaked into it. The private cache only
# ever holds objects compiled in the second folder, so every object of the
# second build carries that folder's paths if any leak: reruns are quick and
# the comparison still proves the builds independent of where they ran.
set -euo pipefail

win32=$(cd "${1:?usage: same_bytes.sh BUILD_WIN32_DIR BUILD_LINUX_DIR}" && pwd)
linux=$(cd "${2:?usage: same_bytes.sh BUILD_WIN32_DIR BUILD_LINUX_DIR}" && pwd)
tree=$(cd "$(dirname "$0")/../.." && pwd)
second="$tree/build/reproducible"
copy="$second/tree"

# The tree as it stands: tracked files and new ones git does not ignore.
rm -rf "$copy"
mkdir -p "$copy"
git -C "$tree" ls-files -z --cached --others --exclude-standard --deduplicate |
  (cd "$tree" && xargs -0 tar --no-recursion --ignore-failed-read -cf - --) | tar -xf - -C "$copy"

export CCACHE_DIR="$second/ccache"
build() {  # preset target
  (cd "$copy" && cmake --preset "$1" >/dev/null && nice cmake --build "build/$1" --target "$2" >/dev/null)
}
build win32 vorna
build linux vorna-pack

status=0
compare() {  # first second
  if cmp -s "$1" "$2"; then
    echo "reproducible: $(basename "$1") ($(stat -c %s "$1") bytes) is the same in both builds"
  else
    echo "reproducible: $(basename "$1") differs between $1 and $2" >&2
    cmp -l "$1" "$2" | head -5 >&2 || true
    status=1
  fi
}
compare "$win32/host/win32/vorna.exe" "$copy/build/win32/host/win32/vorna.exe"
compare "$win32/host/win32/vorna.exe.debug" "$copy/build/win32/host/win32/vorna.exe.debug"
compare "$linux/tools/pack/vorna-pack" "$copy/build/linux/tools/pack/vorna-pack"
exit $status
