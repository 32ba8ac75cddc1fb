#!/usr/bin/env bash
# Packs a payload with the Linux vorna-pack, then verifies and extracts it with
# the Windows vorna-pack under Wine (the runtime's own copy code on a Windows
# file system view) and compares the files and their times on the host, with
# either codec; then extracts again over a file the user changed, and into a
# folder with a planted link.
#
# Usage: tests/wine/fileset_extract.sh BUILD_WIN32_DIR [BUILD_LINUX_DIR]
# Runs the win32 build, or the win64 build beside it where Wine cannot start
# 32-bit programs (wine_arch.sh).
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine_arch.sh"
wine_select "${1:?usage: fileset_extract.sh BUILD_WIN32_DIR [BUILD_LINUX_DIR]}" wineprefix || exit 1
win=$WIN_BUILD
linux=$(cd "${2:-$here/../../build/linux}" && pwd)
pack_exe="$win/tools/pack/vorna-pack.exe"
pack="$linux/tools/pack/vorna-pack"
for tool in "$pack_exe" "$pack"; do
  [ -f "$tool" ] || { echo "missing $tool: build its preset first" >&2; exit 2; }
done

export WINEDEBUG=-all
export TZ=UTC  # the times below are written and read as UTC
export WINEDLLOVERRIDES="mscoree,mshtml="
work="$win/fileset-extract"
rm -rf "$work"
mkdir -p "$work/scripts" "$work/payload/Sub Folder/deeper" "$work/out"
printf 'SUB MAIN\r\nEND SUB\r\n' >"$work/scripts/MAIN.BAS"
# A stand-in for the runtime: the MZ and PE headers vorna-pack looks for.
{ printf 'MZ'; head -c 58 /dev/zero; printf '\x40\0\0\0PE\0\0'; } >"$work/stub.exe"
printf 'read me\r\n' >"$work/payload/README.TXT"
head -c 200000 /bin/ls >"$work/payload/Sub Folder/program.bin"
yes 'a line repeated until the model rebuilds' | head -c 300000 >"$work/payload/Sub Folder/deeper/log.txt"
: >"$work/payload/empty.dat"
touch -m -d '2001-02-03 04:05:06.123456700' "$work/payload/README.TXT"
touch -a -d '2002-03-04 05:06:07.765432100' "$work/payload/README.TXT"
touch -d '1999-12-31 23:59:59.000000100' "$work/payload/Sub Folder/deeper/log.txt"
touch -d '2010-06-07 08:09:10.555555500' "$work/payload/Sub Folder/program.bin"
touch -d '2020-01-01 00:00:00.000000000' "$work/payload/empty.dat"
printf 'un café\r\n' >"$work/payload/Café été.txt"

. "$here/../e2e/lib.sh"
quiet() { "$@" >/dev/null 2>&1; }

"$pack" build --no-check --stub "$work/stub.exe" --scripts "$work/scripts" --out "$work/setup.exe" \
  --files "$work/payload" >/dev/null
check "verify under Wine" quiet wine "$pack_exe" verify "$work/setup.exe"
check "extract under Wine" quiet wine "$pack_exe" extract "$work/setup.exe" "$work/out"
# Times first: reading the files for the comparison may move their access times.
expect_time() {  # expect_time FORMAT NAME TIME
  [ "$(stat -c "$1" "$work/out/$2")" = "$3 +0000" ]
}
check "last write time of README.TXT" expect_time %y README.TXT '2001-02-03 04:05:06.123456700'
check "last access time of README.TXT" expect_time %x README.TXT '2002-03-04 05:06:07.765432100'
check "last write time of log.txt" \
  expect_time %y "Sub Folder/deeper/log.txt" '1999-12-31 23:59:59.000000100'
check "last write time of program.bin" \
  expect_time %y "Sub Folder/program.bin" '2010-06-07 08:09:10.555555500'
check "last write time of empty.dat" expect_time %y empty.dat '2020-01-01 00:00:00.000000000'
check "same files and contents" quiet diff -r "$work/payload" "$work/out"
check "a Windows-1252 name comes back in UTF-8" test -f "$work/out/Café été.txt"

# The deflate set: the Windows build reads it with its own zlib.
"$pack" build --no-check --codec deflate --stub "$work/stub.exe" --scripts "$work/scripts" \
  --out "$work/deflate.exe" --files "$work/payload" >/dev/null
check "a deflate set extracted under Wine" \
  quiet wine "$pack_exe" extract "$work/deflate.exe" "$work/deflate-out"
check "holds the same files and contents" quiet diff -r "$work/payload" "$work/deflate-out"

# A reinstall: a file the user changed after the first extract is newer than
# the packed one, and keeps its content and its time.
edited="$work/out/Sub Folder/deeper/log.txt"
printf 'edited by the user\n' >"$edited"
touch -d '2030-01-01 00:00:00' "$edited"
printf 'an older version\r\n' >"$work/out/README.TXT"  # older: replaced in one step
touch -d '1990-01-01 00:00:00' "$work/out/README.TXT"
check "a second extract keeps the user's newer file" quiet wine "$pack_exe" extract "$work/setup.exe" "$work/out"
check "the user's edit survives" grep -qx 'edited by the user' "$edited"
check "and so does its time" expect_time %y "Sub Folder/deeper/log.txt" '2030-01-01 00:00:00.000000000'
check "an older file is replaced by the packed one, time included" \
  expect_time %y README.TXT '2001-02-03 04:05:06.123456700'
check "the other files are the packed ones" \
  quiet diff -r -x log.txt "$work/payload" "$work/out"

# A folder link planted in the destination is never followed (Wine shows a
# host link to a folder as a reparse point; one to a file it does not).
mkdir -p "$work/outside" "$work/linked"
printf 'outside\n' >"$work/outside/program.bin"
ln -s "$work/outside" "$work/linked/Sub Folder"
wine "$pack_exe" extract "$work/setup.exe" "$work/linked" >"$work/linked.txt" 2>&1
check "an extract through a planted folder link fails" test $? -ne 0
check "the record is refused with its reason" grep -qF \
  'refused: Sub Folder\program.bin: a link or junction in its path' "$work/linked.txt"
check "nothing outside the folder changed" \
  bash -c "[ \"\$(ls '$work/outside')\" = program.bin ] && grep -qx outside '$work/outside/program.bin'"
check "no temporary file is left" bash -c "! find '$work/out' '$work/linked/' -name '~vorna-*' | grep -q ."
checks_done fileset-extract
