#!/usr/bin/env bash
# vorna-pack at the host boundary: UTF-8 names and scripts through build,
# list and extract (Windows-1252 inside the image); names the code page
# cannot hold refused in one line; names with control characters printed
# escaped. Links planted in an extract's folder are copy_files_test.cpp's,
# and through the command line tests/wine/fileset_extract.sh's.
#
#   tests/runner/pack_host_boundary_test.sh PATH/TO/vorna-pack
set -uo pipefail

PACK=$(realpath "$1")
SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT

. "$(dirname "$0")/../e2e/lib.sh"
CHECK_SHOWS="$SCRATCH/err"
has() { grep -qF -- "$1" "$2"; }
lines() { [ "$(wc -l <"$2")" -eq "$1" ]; }

{ printf 'MZ'; head -c 58 /dev/zero; printf '\x40\0\0\0PE\0\0'; } >"$SCRATCH/stub.exe"
mkdir -p "$SCRATCH/scripts" "$SCRATCH/payload/Dossier été"
printf 'SETUP.BAS\r\n' >"$SCRATCH/scripts/STARTUP.CTL"
cat >"$SCRATCH/scripts/SETUP.BAS" <<'SCRIPT'
' Grüße: written in UTF-8, stored in Windows-1252.
SUB MAIN
  OPTION CONSOLE TRUE
  INSTALLPATH = "C:\Zielordner"
  PRINT "Grüße "; COPYFILES
END SUB
SCRIPT
printf 'café\n' >"$SCRATCH/payload/CAFÉ.TXT"
printf 'naïve\n' >"$SCRATCH/payload/Dossier été/naïve.txt"

# Build, list and extract: the names come back as they went in.
"$PACK" build --stub "$SCRATCH/stub.exe" --scripts "$SCRATCH/scripts" --files "$SCRATCH/payload" \
  --out "$SCRATCH/setup.exe" >/dev/null 2>"$SCRATCH/err"
check "build: UTF-8 names and scripts are accepted" [ $? = 0 ]
check "build: the conversion of the script is told once" \
  bash -c "[ \$(grep -c 'stored in Windows-1252' '$SCRATCH/err') = 1 ] && grep -q 'SETUP.BAS' '$SCRATCH/err'"
check "build: the image holds Windows-1252 names" grep -qa $'CAF\xc9.TXT' "$SCRATCH/setup.exe"
"$PACK" list "$SCRATCH/setup.exe" >"$SCRATCH/list" 2>"$SCRATCH/err"
check "list: names shown in UTF-8" has 'Dossier été\naïve.txt' "$SCRATCH/list"
check "list: the other name" has 'CAFÉ.TXT' "$SCRATCH/list"
"$PACK" extract "$SCRATCH/setup.exe" "$SCRATCH/out" >/dev/null 2>"$SCRATCH/err"
check "extract: UTF-8 names on the host" diff -r "$SCRATCH/payload" "$SCRATCH/out"

# Names and texts Windows-1252 cannot hold are refused with one line naming them.
mkdir -p "$SCRATCH/bad-names"
printf 'x' >"$SCRATCH/bad-names/中文.txt"
"$PACK" build --stub "$SCRATCH/stub.exe" --scripts "$SCRATCH/scripts" --files "$SCRATCH/bad-names" \
  --out "$SCRATCH/bad.exe" >/dev/null 2>"$SCRATCH/err"
check "a name Windows-1252 cannot hold fails the build" [ $? = 1 ]
check "... with one line naming it" bash -c \
  "tail -n1 '$SCRATCH/err' | grep -qx 'vorna-pack: 中文.txt: Windows-1252 cannot hold this name (the character U+4E2D)'"
check "... and no image" [ ! -e "$SCRATCH/bad.exe" ]
mkdir -p "$SCRATCH/bad-text"
printf 'MAIN.BAS\r\n' >"$SCRATCH/bad-text/STARTUP.CTL"
printf 'SUB MAIN\r\n  PRINT "→"\r\nEND SUB\r\n' >"$SCRATCH/bad-text/MAIN.BAS"
"$PACK" build --stub "$SCRATCH/stub.exe" --scripts "$SCRATCH/bad-text" --out "$SCRATCH/bad.exe" \
  >/dev/null 2>"$SCRATCH/err"
check "a script character Windows-1252 cannot hold fails the build" \
  has "'MAIN.BAS': Windows-1252 cannot hold the character U+2192" "$SCRATCH/err"

# A name with terminal escapes is printed with them spelled out.
mkdir -p "$SCRATCH/escapes"
printf '%s\r\n' $'HIDE\e[2K.BAS' >"$SCRATCH/escapes/STARTUP.CTL"
printf 'SUB MAIN\r\nEND SUB\r\n' >"$SCRATCH/escapes/"$'HIDE\e[2K.BAS'
"$PACK" build --stub "$SCRATCH/stub.exe" --scripts "$SCRATCH/escapes" --out "$SCRATCH/esc.exe" \
  >/dev/null 2>"$SCRATCH/err"
"$PACK" list "$SCRATCH/esc.exe" >"$SCRATCH/list" 2>"$SCRATCH/err"
check "list: a control character is escaped" has 'HIDE\x1B[2K.BAS' "$SCRATCH/list"
check "list: no raw escape reaches the terminal" bash -c "! grep -q $'\e' '$SCRATCH/list'"

checks_done "pack host boundary"
