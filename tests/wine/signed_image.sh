#!/usr/bin/env bash
# Signed and damaged setups.
#
# The sample product is packed behind the real runtime and signed with a
# throw-away certificate (openssl, osslsigncode), as a vendor would sign it.
# The signed setup must still verify, list and install under Wine
# unattended. Setups that were changed after signing (scripts appended
# inside the certificate table, or after it) and a setup cut short must never
# run scripts of their own or a planted STARTUP.CTL beside them: the first
# kind runs the signed scripts, the others end with the damaged-setup message
# and the failure exit code, and vorna-pack verify says why. Each kind of
# damage the image reader names is its unit tests' concern.
#
# Usage: tests/wine/signed_image.sh BUILD_WIN32_DIR [BUILD_LINUX_DIR]
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
. "$here/wine_arch.sh"
wine_select "${1:?usage: signed_image.sh BUILD_WIN32_DIR [BUILD_LINUX_DIR]}" signed/wineprefix || exit 1
win=$WIN_BUILD
linux=$(cd "${2:-$source_dir/build/linux}" && pwd)
pack="$linux/tools/pack/vorna-pack"
stub="$win/host/win32/vorna.exe"
launcher="$win/tests/wine/exit_code_probe.exe"
for tool in "$pack" "$stub" "$launcher"; do
  [ -f "$tool" ] || { echo "missing $tool: build its preset first" >&2; exit 2; }
done
for tool in openssl osslsigncode; do
  command -v "$tool" >/dev/null || { echo "signed_image: $tool is needed (.ci/install-deps)" >&2; exit 2; }
done

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
hello="$source_dir/examples/hello"
work="$win/signed"
rm -rf "$work/case" && mkdir -p "$work/case"
work="$work/case"

OUT=$work
. "$source_dir/tests/e2e/lib.sh"
quiet() { "$@" >/dev/null 2>&1; }
said() { grep -qF -- "$2" "$1"; }

# Little-endian numbers in a file.
le32() { od -An -tu4 -j "$2" -N4 "$1" | tr -d ' \n'; }
put_le32() {
  local v=$3
  printf "$(printf '\\%03o\\%03o\\%03o\\%03o' $((v & 255)) $((v >> 8 & 255)) $((v >> 16 & 255)) $((v >> 24 & 255)))" |
    dd of="$1" bs=1 seek="$2" conv=notrunc status=none
}
# The file offset of the security directory entry of a PE file.
security_entry() {
  local nt magic
  nt=$(le32 "$1" 60)
  magic=$(od -An -tu2 -j $((nt + 24)) -N2 "$1" | tr -d ' ')
  if [ "$magic" = 267 ]; then echo $((nt + 24 + 96 + 32)); else echo $((nt + 24 + 112 + 32)); fi
}

# --- a signed setup -------------------------------------------------------
openssl req -x509 -newkey rsa:2048 -nodes -subj "/CN=Vorna test signer" -days 2 \
  -keyout "$work/key.pem" -out "$work/cert.pem" >/dev/null 2>&1
"$pack" build --stub "$stub" --scripts "$hello/scripts" --files "$hello/payload" \
  --product Hello --version 1.2.3 --out "$work/unsigned.exe" >/dev/null 2>&1
# osslsigncode prints one "PE checksum" line when the stamped checksum is the
# one it computes, and "Current" and "Calculated" lines when they differ.
check "the packed setup's checksum is the one osslsigncode computes" \
  bash -c "osslsigncode verify '$work/unsigned.exe' 2>&1 | grep -q '^PE checksum *: [0-9A-F]*$'"
osslsigncode sign -certs "$work/cert.pem" -key "$work/key.pem" -n "Hello Setup" \
  -in "$work/unsigned.exe" -out "$work/hello-setup.exe" >/dev/null 2>&1
signed="$work/hello-setup.exe"
check "osslsigncode signs the packed setup" [ -s "$signed" ]
check "osslsigncode verify passes" quiet osslsigncode verify -CAfile "$work/cert.pem" "$signed"
"$pack" list "$signed" >"$work/list.out" 2>&1
check "list shows the entries, the product and the signature" \
  bash -c "grep -q ' STARTUP.CTL' '$work/list.out' && grep -qx 'product: Hello 1.2.3, Hello Setup' '$work/list.out' && grep -q '^signed: a certificate table of' '$work/list.out'"
check "verify passes" quiet "$pack" verify "$signed"
answers() { printf '%s\r\n' "$@"; }

# --- setups changed after signing -----------------------------------------
# Scripts of their own: STARTUP.CTL names EVIL.BAS, which leaves a folder.
mkdir -p "$work/evil"
printf 'EVIL.BAS\r\n' >"$work/evil/STARTUP.CTL"
printf 'SUB MAIN\r\n  MKDIR "C:\\EVIL-RAN"\r\nEND SUB\r\n' >"$work/evil/EVIL.BAS"
"$pack" build --stub "$stub" --scripts "$work/evil" --out "$work/evil.exe" >/dev/null 2>&1
evil_size=$(stat -c %s "$work/evil.exe")
evil_base=$(le32 "$work/evil.exe" $((evil_size - 8)))
# The evil container is placed at the end of a file, with a trailer that
# points at it there (its scrambling depends only on offsets from its base).
append_evil_container() {
  local file=$1 at
  at=$(stat -c %s "$file")
  local length=$((evil_size - evil_base - 16))
  tail -c +$((evil_base + 1)) "$work/evil.exe" | head -c "$length" >>"$file"
  # Zeros up to a multiple of 8, as a certificate table's entries are.
  head -c $(((8 - length % 8) % 8)) /dev/zero >>"$file"
  printf 'VORNA\0\0\0' >>"$file"
  printf '\0\0\0\0\0\0\0\0' >>"$file"
  put_le32 "$file" $(($(stat -c %s "$file") - 8)) "$at"
}
entry=$(security_entry "$signed")
table=$(le32 "$signed" "$entry")

cp "$signed" "$work/inside.exe"
append_evil_container "$work/inside.exe"
grown=$(($(stat -c %s "$work/inside.exe") - table))
put_le32 "$work/inside.exe" $((entry + 4)) "$grown"
put_le32 "$work/inside.exe" "$table" "$grown"

cp "$signed" "$work/after.exe"
append_evil_container "$work/after.exe"

check "inside the certificate table: the signature still verifies" \
  quiet osslsigncode verify -CAfile "$work/cert.pem" "$work/inside.exe"
# The appended container is whole: in a copy without the certificate table
# its trailer is the file's last, and its scripts run.
cp "$work/after.exe" "$work/control.exe"
put_le32 "$work/control.exe" "$entry" 0
put_le32 "$work/control.exe" $((entry + 4)) 0

for kind in inside after; do
  "$pack" verify "$work/$kind.exe" >"$work/$kind.verify" 2>&1
  check "$kind the certificate table: verify fails" [ $? != 0 ]
done
check "inside the certificate table: verify says why" \
  said "$work/inside.verify" "the certificate table holds"
check "after the certificate table: verify says why" \
  said "$work/after.verify" "damaged: data follows the certificate table"

# Where the setup's program ends and its container starts (the trailer's base).
base=$(le32 "$work/unsigned.exe" $(($(stat -c %s "$work/unsigned.exe") - 8)))
head -c $((base + 10)) "$signed" >"$work/cut.exe"

# --- under Wine -------------------------------------------------------------
trap stop_all EXIT
start_display || exit 1
prepare_wine
drive_c="$WINEPREFIX/drive_c"
# wine_setup NAME IMAGE ANSWERS...: runs IMAGE -A in a folder of its own, with
# the evil scripts planted beside it; the whole exit code is in $code.
wine_setup() {
  local name=$1 image=$2
  shift 2
  local dir="$work/wine-$name"
  rm -rf "$dir" "$drive_c/EVIL-RAN" "$drive_c/$name.log" && mkdir -p "$dir"
  cp "$image" "$dir/setup.exe"
  cp "$work/evil/STARTUP.CTL" "$work/evil/EVIL.BAS" "$dir/"
  { printf 'log C:\\%s.log\r\n' "$name"; answers "$@"; } >"$dir/answers.txt"
  code=$(cd "$dir" && wine "$launcher" setup.exe -A answers.txt 2>/dev/null | tr -d '\r' |
    sed -n 's/^exit code //p')
}
evil_ran() { [ -e "$drive_c/EVIL-RAN" ]; }
# The controls: the planted scripts and the appended container's do run
# where nothing stops them (a bare runtime reads plain files, by design;
# without the table the appended trailer is the file's last).
wine_setup bare "$stub"
check "control: a bare runtime runs the planted scripts" evil_ran
wine_setup control "$work/control.exe" "license Agree" "drive OK" "path OK" "msgbox OK"
check "control: without the table the appended scripts do run" evil_ran

rm -rf "$drive_c/Program Files/Hello"
wine_setup signed "$signed" "license Agree" "drive OK" "path OK" "msgbox OK"
check "Wine: the signed setup installs unattended" \
  bash -c "[ '$code' = 0 ] && cmp -s '$hello/payload/README.TXT' '$drive_c/Program Files/Hello/README.TXT'"
wine_setup inside "$work/inside.exe" "license Agree" "drive OK" "path OK" "msgbox OK"
check "inside the certificate table: the signed scripts run" [ "$code" = 0 ]
check "inside the certificate table: the appended scripts never run" bash -c "! [ -e '$drive_c/EVIL-RAN' ]"
wine_setup cut "$work/cut.exe" "msgbox OK"
check "Wine: a setup cut short ends with 1603" [ "$code" = 1603 ]
check "Wine: the damaged-setup message is in the log" \
  said "$drive_c/cut.log" '"The setup file is damaged or incomplete. Please download it again.": answered OK'
check "Wine: the planted script never runs" bash -c "! [ -e '$drive_c/EVIL-RAN' ]"
wine_setup after "$work/after.exe" "msgbox OK"
check "Wine: data after the certificate table ends with 1603" [ "$code" = 1603 ]
check "Wine: the appended scripts never run" bash -c "! [ -e '$drive_c/EVIL-RAN' ]"

checks_done signed-image
