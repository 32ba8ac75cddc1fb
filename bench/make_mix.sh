#!/usr/bin/env bash
# Copies a many-file payload from what this machine has into a folder: the
# kinds of files setups carry (programs, libraries, Windows DLLs, documents,
# manual pages, compressed files, images), about 48 MB in some 2,000 files.
#
# Usage: bench/make_mix.sh FOLDER
#
# The choice is deterministic: each kind's candidates are put in an order
# that depends on their paths only (sort -R with a fixed random source), and
# taken in that order until the kind's share is full, skipping files of
# 2 KB or less and over 4 MB. The same machine gives the same mix on every run, so a folder that
# holds the same list already is kept as it is.
set -euo pipefail
out=${1:?usage: make_mix.sh FOLDER}

# kind  share in MB  candidates (find arguments)
kinds=(
  "programs  11 /usr/bin -type f -perm -u+x"
  "libraries 11 /usr/lib/x86_64-linux-gnu -maxdepth 1 -type f -name *.so*"
  "windows   11 /usr/lib/i386-linux-gnu/wine/i386-windows /usr/lib/x86_64-linux-gnu/wine/x86_64-windows -type f"
  "documents  5 /usr/share/doc /usr/share/common-licenses -type f ! -name *.gz ! -name *.xz"
  "manpages   2 /usr/share/man/man1 /usr/share/man/man3 /usr/share/man/man5 -type f"
  "compressed 4 /usr/share/doc -type f ( -name *.gz -o -name *.xz -o -name *.zip -o -name *.bz2 )"
  "images     4 /usr/share/icons /usr/share/pixmaps /usr/share/doc -type f ( -name *.png -o -name *.svg -o -name *.jpg -o -name *.gif -o -name *.ico -o -name *.bmp )"
)

# Lists "size path" of one kind's chosen files.
choose() {
  local share=$(($1 * 1024 * 1024))
  shift
  local roots=() args=()
  while [ $# -gt 0 ] && [ "${1:0:1}" = / ]; do roots+=("$1"); shift; done
  args=("$@")
  set -f
  find "${roots[@]}" "${args[@]}" -size +2k -size -4M -readable -printf '%s %p\n' 2>/dev/null |
    grep -E '^[0-9]+ [A-Za-z0-9/._+-]+$' | LC_ALL=C sort -k2 |
    LC_ALL=C sort -R --random-source=<(yes vorna) |
    awk -v share="$share" '$1 > 0 && total + $1 <= share { total += $1; print }'
  set +f
}

list=$(mktemp)
trap 'rm -f "$list"' EXIT
for line in "${kinds[@]}"; do
  read -r kind share rest <<<"$line"
  set -f
  # shellcheck disable=SC2086
  choose "$share" $rest | sed "s|^|$kind |"
  set +f
done >"$list"

if [ -f "$out/.mix-list" ] && cmp -s "$list" "$out/.mix-list"; then exit 0; fi
rm -rf "$out"
mkdir -p "$out"
# Each file keeps its name under its kind and the folder it came from;
# a name met twice is taken once.
made=
while read -r kind size path; do
  folder=${path%/*}
  target="$out/$kind/${folder##*/}"
  [ -e "$target/${path##*/}" ] && continue
  case " $made " in *" $target "*) ;; *) mkdir -p "$target"; made+=" $target" ;; esac
  cp "$path" "$target/"
done <"$list"
cp "$list" "$out/.mix-list"
