#!/usr/bin/env bash
# Packs the sample product examples/hello into hello-setup.exe and installs it
# unattended in the sandbox of vorna-run, then shows what the installation
# did: the files with their sizes, the registry values and the shortcuts.
# Then it uninstalls the product with the command line the install wrote
# into the registry, and shows that the sandbox is as it was before.
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
SANDBOX="$OUT/sandbox"
mkdir -p "$OUT"

step() { printf '\n\033[1m== %s\033[0m\n' "$*"; }
show() { printf '$ %s\n' "$*"; "$@"; }

if [ ! -f "$STUB" ]; then
  echo "demo: no runtime at $STUB; build it with 'make win32'" >&2
  exit 1
fi

step "The sample product: the installer's scripts and licence, and the files it installs"
show ls -l "$HERE/hello/scripts"
(cd "$HERE/hello/payload" && find . -type f | sort | sed 's|^\./|    payload/|')

step "Pack it behind the runtime: vorna.exe + scripts + compressed files + trailer"
show "$PACK" build --stub "$STUB" --scripts "$HERE/hello/scripts" --files "$HERE/hello/payload" \
  --out "$OUT/hello-setup.exe"
echo "runtime $(stat -c %s "$STUB") bytes, hello-setup.exe $(stat -c %s "$OUT/hello-setup.exe") bytes"

step "What the image holds"
show "$PACK" list "$OUT/hello-setup.exe"

step "The answers of an unattended run: one line per dialog or message box"
cat >"$OUT/answers.txt" <<'ANSWERS'
# Agree to the licence, take the drive and the folder offered, and close the
# message box that says the installation is done.
license Agree
drive OK
path OK
msgbox OK
ANSWERS
sed 's/^/    /' "$OUT/answers.txt"

# Every file and folder of the sandbox with its bytes, and the registry.
snapshot() {
  (cd "$SANDBOX" && find . -print0 | sort -z | while IFS= read -r -d '' item; do
    if [ -f "$item" ]; then echo "$item $(md5sum <"$item" | cut -c1-32)"; else echo "$item/"; fi
  done)
}

rm -rf "$SANDBOX"
mkdir -p "$SANDBOX/C"
cd "$OUT"
# A run that only shows its help gives the sandbox its registry and shell
# folders, as a fresh Windows machine has them: the state to come back to.
"$RUN" --image hello-setup.exe --root "$SANDBOX" -- '-?' </dev/null >/dev/null 2>&1
snapshot >"$OUT/before.txt"

step "Install it in a fresh sandbox (the transcript of every question is on standard error)"
show "$RUN" --image hello-setup.exe --root "$SANDBOX" --answers answers.txt
echo "exit code $?"

step "What the installation did"
echo "Files (drive C is $SANDBOX/C):"
(cd "$SANDBOX/C" && find "Program Files/Hello" -type f | sort | while IFS= read -r file; do
  printf '    C:\\%-40s %6s bytes  %s\n' "${file//\//\\}" "$(stat -c %s "$file")" \
    "$(date -r "$file" '+%Y-%m-%d %H:%M:%S')"
done)
echo "Registry values written (from the sandbox registry $SANDBOX/registry.reg):"
tr -d '\r' <"$SANDBOX/registry.reg" | awk '
  /^\[/ { key = $0; shown = 0; next }
  key ~ /Uninstall\\Hello\]|Software\\Hello\]/ && /=/ {
    if (!shown) { print "    " key; shown = 1 }
    print "        " $0
  }'
echo "Shortcuts made:"
(cd "$SANDBOX/C" && find . -name '*.lnk' | sort | while IFS= read -r link; do
  target=$(strings -n 6 "$link" | grep -m1 -F 'C:\Program Files\Hello' || true)
  printf '    C:\\%s -> %s\n' "$(echo "${link#./}" | tr / '\\')" "$target"
done)
echo "The uninstall command line, in the registry for Apps & features:"
tr -d '\r' <"$SANDBOX/registry.reg" | grep -F '"UninstallString"' | sed 's/^/    /'
echo "The install record beside the product (C:\\Program Files\\Hello\\UNINSTALL.DAT):"
tr -d '\r' <"$SANDBOX/C/Program Files/Hello/UNINSTALL.DAT" | sed 's/\t/  /g; s/^/    /'

step "Uninstall it unattended, with the record the install wrote"
printf 'msgbox Yes\nmsgbox OK\n' >"$OUT/uninstall-answers.txt"
sed 's/^/    /' "$OUT/uninstall-answers.txt"
show "$RUN" --image hello-setup.exe --root "$SANDBOX" --answers uninstall-answers.txt \
  -- -U '"C:\Program Files\Hello\UNINSTALL.DAT"'
echo "exit code $?"

step "The sandbox after the uninstall, compared with the sandbox before the install"
snapshot >"$OUT/after.txt"
if diff -u "$OUT/before.txt" "$OUT/after.txt"; then
  echo "identical: $(wc -l <"$OUT/before.txt") files and folders, the registry included"
else
  echo "demo: the uninstall left the sandbox changed" >&2
  exit 1
fi
