#!/usr/bin/env bash
# Tests of vorna-pack as a program, and of what every tool shares: the
# version, usage errors that name the bad option, the build's refusals, the
# check before the build, and a new product packed and installed as it is.
#
#   tests/runner/vorna_pack_test.sh VERSION PATH/TO/vorna-pack PATH/TO/vorna-run \
#                                   PATH/TO/vorna-debug [PATH/TO/vorna-grammar]
set -uo pipefail

VERSION=$1
PACK=$(realpath "$2")
RUN=$(realpath "$3")
DEBUG=$(realpath "$4")
GRAMMAR=${5:+$(realpath "$5")}
SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT

. "$(dirname "$0")/../e2e/lib.sh"
CHECK_SHOWS="$SCRATCH/err"

# tool PROGRAM ARGS...: runs it in $SCRATCH; exit code in $code, output in out and err.
tool() {
  (cd "$SCRATCH" && "$@" </dev/null >"$SCRATCH/out" 2>"$SCRATCH/err")
  code=$?
}
said() { grep -qF -- "$1" "$SCRATCH/err"; }
printed() { grep -qF -- "$1" "$SCRATCH/out"; }

for program in "$PACK" "$RUN" "$DEBUG" $GRAMMAR; do
  tool "$program" --version
  check "$(basename "$program") --version" [ "$code" = 0 ] &&
    check "$(basename "$program") prints $VERSION" [ "$(cat "$SCRATCH/out")" = "$(basename "$program") $VERSION" ]
done

tool "$PACK" build --stbu x
check "pack: a bad option is named" said "vorna-pack: unknown option --stbu"
check "pack: usage error exit code 2" [ "$code" = 2 ]
tool "$PACK" check -x
check "pack: a bad short option is named" said "vorna-pack: unknown option -x"
tool "$DEBUG" --bach x vorna-run
check "debug: a bad option is named" said "vorna-debug: unknown option --bach"
tool "$DEBUG" "$SCRATCH/notaprogram"
check "debug: a runtime that cannot start fails" [ "$code" != 0 ]
check "debug: ... and says so" said "ended with exit code 127"
if [ -n "$GRAMMAR" ]; then
  tool "$GRAMMAR" --wrods
  check "grammar: a bad option is named" said "vorna-grammar: unknown option --wrods"
fi

# A stand-in for the runtime: the MZ and PE headers vorna-pack looks for.
stub="$SCRATCH/stub.exe"
{ printf 'MZ'; head -c 58 /dev/zero; printf '\x40\0\0\0PE\0\0'; } >"$stub"
scripts="$SCRATCH/scripts"
files="$SCRATCH/payload"
mkdir -p "$scripts" "$files"
printf 'SETUP.BAS\n' >"$scripts/STARTUP.CTL"
printf 'SUB MAIN\n  PRINT "hello"\nEND SUB\n' >"$scripts/SETUP.BAS"
printf 'payload\r\n' >"$files/README.TXT"
build() { tool "$PACK" build --stub "$stub" --scripts "$scripts" "$@"; }

build --out "$files/setup.exe" --files "$files"
check "refused: output inside the files folder" said "lies inside the files folder"
check "refused: ... and nothing written" [ ! -e "$files/setup.exe" ]
mkdir -p "$SCRATCH/folder"
build --out "$SCRATCH/folder"
check "refused: output that is a folder" said "vorna-pack: the output '$SCRATCH/folder' is a folder"
check "refused: ... and the folder kept" [ -d "$SCRATCH/folder" ]
tool "$PACK" build --stub "$scripts/SETUP.BAS" --scripts "$scripts" --out "$SCRATCH/a.exe"
check "refused: a stub that is no program" said "is no Windows program (no MZ and PE headers)"
cp "$stub" "$SCRATCH/same.exe"
tool "$PACK" build --stub "$SCRATCH/same.exe" --scripts "$scripts" --out "$SCRATCH/same.exe"
check "refused: the stub as the output" said "is the output: the runtime would be overwritten"
check "refused: ... and the stub kept" cmp -s "$stub" "$SCRATCH/same.exe"

# The product's identity: what the options refuse, and a stand-in that cannot carry it.
build --out "$SCRATCH/id.exe" --version 1.0
check "refused: a version without a product" said "--version describes the product: name it with --product"
check "refused: ... as a usage error" [ "$code" = 2 ]
build --out "$SCRATCH/id.exe" --product Hello
check "refused: a product without a version" said "--product needs its --version (1.2.3)"
build --out "$SCRATCH/id.exe" --product Hello --version 1.x
check "refused: a version that is no numbers" said "the version '1.x' is not one to four numbers"
build --out "$SCRATCH/id.exe" --execution-level root
check "refused: an unknown execution level" said "--execution-level is admin, highest or user, not 'root'"
build --out "$SCRATCH/id.exe" --icon "$SCRATCH/none.ico"
check "refused: an icon that cannot be read" said "cannot read '$SCRATCH/none.ico'"
build --out "$SCRATCH/id.exe" --product Hello --version 1.0
check "refused: an identity on a stand-in stub" said "has incomplete program headers: it cannot carry the product's identity"
check "refused: ... and nothing written" [ ! -e "$SCRATCH/id.exe" ]
build --out "$SCRATCH/id.exe"
check "a stand-in stub without an identity: packed, with a note" \
  bash -c "[ $code = 0 ] && grep -qF 'the setup carries no version, icon or manifest' '$SCRATCH/err'"

build --out "$SCRATCH/new/deeper/setup.exe"
check "missing output folders are made" [ "$code" = 0 ]
check "missing output folders are made: the image" [ -s "$SCRATCH/new/deeper/setup.exe" ]
check "line ends reported once" [ "$(grep -c 'stored as CR LF' "$SCRATCH/err")" = 1 ]
check "line ends: the count" said "lines ending in LF alone stored as CR LF in 2 entries"
tool "$PACK" build --stub "$SCRATCH/new/deeper/setup.exe" --scripts "$scripts" --out "$SCRATCH/b.exe"
check "refused: a stub that is packed already" said "is a packed setup already"
build --out "$SCRATCH/v.exe" -v
check "line ends per entry with -v" said "'SETUP.BAS': lines ending in LF alone stored as CR LF"

printf 'SUB MAIN\n  PRNT "hello"\n  IF X THEN\nEND SUB\n' >"$scripts/SETUP.BAS"
build --out "$SCRATCH/broken.exe"
check "check errors stop the build" [ "$code" = 1 ]
check "check errors stop the build: no image" [ ! -e "$SCRATCH/broken.exe" ]
check "... named by file and line" printed "$scripts/SETUP.BAS:2:3: error: unknown statement or procedure 'PRNT' (did you mean 'PRINT'?)"
check "... the build says why" said "the scripts have 2 errors: nothing was packed"
check "... no caret when not on a terminal" [ "$(wc -l <"$SCRATCH/out")" = 2 ]
build --out "$SCRATCH/broken.exe" --no-check
check "--no-check packs them anyway" [ "$code" = 0 ]
check "--no-check packs them anyway: the image" [ -s "$SCRATCH/broken.exe" ]
tool "$PACK" check "$SCRATCH/broken.exe"
check "check of an image: exit code 1" [ "$code" = 1 ]
check "check of an image: entry names" printed "SETUP.BAS:4:1: error: END SUB with the IF of line 3 still open (missing END IF?)"
printf 'SUB MAIN\n  X = SPECIALFOLDER("DESKTOPP")\nEND SUB\n' >"$scripts/SETUP.BAS"
tool "$PACK" check "$scripts"
check "warnings alone pass the check" [ "$code" = 0 ]
check "warnings alone pass the check: counted" said "check: 0 errors, 1 warning"

# A new product: it checks clean, packs, and installs unattended in the sandbox.
product="$SCRATCH/Acme Notes"
tool "$PACK" new "$product"
check "new: written" [ "$code" = 0 ]
check "new: the script" [ -f "$product/scripts/SETUP.BAS" ]
check "new: the README" [ -f "$product/README.md" ]
tool "$PACK" new "$product"
check "new: refuses a folder that is not empty" said "exists and is not an empty folder"
tool "$PACK" build --stub "$stub" --scripts "$product/scripts" --files "$product/payload" \
  --out "$product/build/setup.exe"
check "new: builds without a word from the check" [ "$code" = 0 ]
check "new: the check has no problems" said "check: no problems"
check "new: no line ends to convert" [ "$(grep -c 'CR LF' "$SCRATCH/err")" = 0 ]
root="$SCRATCH/root"
tool "$RUN" --image "$product/build/setup.exe" --answers "$product/answers.txt" --root "$root"
installed="$root/C/Program Files/Acme Notes"
check "new: installs" [ "$code" = 0 ]
check "new: the installed file" [ -f "$installed/README.TXT" ]
check "new: every answer used, no error" bash -c "! grep -qE 'answers were not used|error dialog' '$SCRATCH/err'"
check "new: the last box" said "Acme Notes is installed in C:\\Program Files\\Acme Notes"

checks_done "vorna-pack"
