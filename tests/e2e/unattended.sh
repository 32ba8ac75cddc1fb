# The unattended cases of the end-to-end tests, sourced by run.sh after
# lib.sh and install.sh.
#
# The sample product is installed with -A and an answers file, as a
# deployment tool would start it: through exit_code_probe.exe, which prints
# the whole exit code (a shell under Wine sees only its low 8 bits). While
# the setup runs no window may appear on the X screen: the visible windows
# are polled throughout, and a screenshot taken while it runs must be one
# plain colour. Each case checks its exit code (0, 1602 the user quit, 1603
# failed) and the lines of the install log that its answers file names; the
# dialogs' own answers are the golden install scripts' concern.

LAUNCHER="$BUILD/tests/wine/exit_code_probe.exe"

# hello_image [STUB NAME]: the sample setup with the product's own identity
# (its version information, a two-image icon and the default execution
# level), so that every unattended case starts a setup whose resources were
# rebuilt.
hello_image() {
  local stub=${1:-$EXE} dir="$OUT/work/${2:-unattended-image}"
  if [ ! -f "$dir/setup.exe" ]; then
    mkdir -p "$dir"
    convert -size 32x32 xc:navy \( -size 16x16 xc:gold \) "$dir/hello.ico" || return 1
    "$PACK" build --stub "$stub" --scripts "$HELLO/scripts" --files "$HELLO/payload" \
      --product Hello --version 1.2.3 --company "Hello Makers" --icon "$dir/hello.ico" \
      --out "$dir/setup.exe" >"$OUT/unattended-image.pack" 2>&1 || return 1
  fi
  echo "$dir/setup.exe"
}

# The identity read back from the shipped (32-bit) build's setup by the
# toolchain's resource compiler (how vorna-pack list describes it is
# product_identity_test.cpp's).
case_unattended_identity() {
  local name=setup-identity image rc problem= line
  if ! image=$(hello_image "$BUILD32/host/win32/vorna.exe" identity-image); then
    fail "$name" "vorna-pack build failed (see $OUT/unattended-image.pack)"
    return
  fi
  rc=$(i686-w64-mingw32-windres -i "$image" -O rc 2>&1)
  while [ -z "$problem" ] && IFS= read -r line; do
    grep -qF -- "$line" <<<"$rc" || problem="the resources lack: $line"
  done <<'EOF'
VALUE "ProductName", "Hello"
VALUE "FileDescription", "Hello Setup"
VALUE "CompanyName", "Hello Makers"
VALUE "ProductVersion", "1.2.3"
FILEVERSION 1, 2, 3, 0
/* Has 2 elements.  */
requestedExecutionLevel level=""requireAdministrator""
supportedOS Id=""{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}""
"ERROR" DIALOG
EOF
  if [ -n "$problem" ]; then
    fail "$name" "$problem"
  else
    pass "$name (version information, icon and manifest read back)"
  fi
}

# windows_seen NAME: polls the visible windows until the case's run ends,
# with a screenshot half a second into the run (or at its end, for a run that
# is over sooner). Fails when any window showed.
windows_seen() {
  local name=$1 seen= polls=0
  while [ ! -s "$OUT/$name.rc" ] && [ "$polls" -lt 600 ]; do
    seen+=$(xdotool search --onlyvisible --name '.' 2>/dev/null)
    polls=$((polls + 1))
    [ "$polls" = 5 ] && screenshot "$name"
    sleep 0.1
  done
  [ "$polls" -ge 5 ] || screenshot "$name"
  [ -z "$seen" ]
}

# A screenshot with a single colour shows no window.
plain_screen() {
  [ -f "$OUT/$1.png" ] && [ "$(convert "$OUT/$1.png" -format '%k' info: 2>/dev/null)" = 1 ]
}

# case_unattended NAME EXIT LOG-LINES ANSWERS...: runs the sample setup with
# those answers (and a log line first); EXIT is the whole exit code, and
# LOG-LINES (separated by "|") must each stand in the log.
case_unattended() {
  local name=$1 want=$2 lines=$3 image dir code line problem=
  shift 3
  if ! image=$(hello_image); then
    fail "$name" "vorna-pack build failed (see $OUT/unattended-image.pack)"
    return
  fi
  dir=$(work_folder "$name")
  cp "$image" "$dir/setup.exe"
  { printf 'log C:\\%s.log\r\n' "$name"; printf '%s\r\n' "$@"; } >"$dir/answers.txt"
  local log
  log="$(on_drive_c "C:\\$name.log")"
  rm -f "$log"
  forget_hello
  start_wine "$name" "$dir" -all "$LAUNCHER" setup.exe -A answers.txt
  windows_seen "$name" || problem="a window appeared on the screen"
  if ! wait_exit "$name" 60 >/dev/null; then
    problem=${problem:-"the setup did not end"}
  fi
  code=$(tr -d '\r' <"$OUT/$name.out" | sed -n 's/^exit code //p')
  if [ -z "$problem" ] && [ "$code" != "$want" ]; then
    problem="exit code ${code:-none}, expected $want (see $OUT/$name.out)"
  elif [ -z "$problem" ] && ! plain_screen "$name"; then
    problem="the screenshot $OUT/$name.png shows something on the screen"
  fi
  while [ -z "$problem" ] && IFS= read -r line; do
    [ -n "$line" ] || continue
    grep -qF -- "$line" "$log" 2>/dev/null || problem="the log $log lacks: $line"
  done < <(tr '|' '\n' <<<"$lines")
  if [ -n "$problem" ]; then
    fail "$name" "$problem"
  else
    pass "$name (exit code $code, no window, the log says so)"
  fi
  settle "$name"
}

case_unattended_accept_all() {
  case_unattended unattended-accept-all 0 \
"question license \"License Agreement\": answered Agree|question drive \"Hello Setup\": answered OK, drive C|\
file written (new): C:\\Program Files\\Hello\\README.TXT|copy completed: 3 files|\
registry value written: HKEY_CURRENT_USER\\Software\\Hello \"Greeting\" = \"Hello from Vorna\"|\
exit code 0 (success)" \
    "license Agree" "drive OK" "path OK" "msgbox OK"
}

case_unattended_licence_refused() {
  case_unattended unattended-licence-refused 1602 \
"question license \"License Agreement\": answered quit|user quit: licence|exit code 1602 (cancelled)" \
    "license Cancel" "quit Yes"
}

case_unattended_unanswered() {
  case_unattended unattended-unanswered 1603 \
"question path \"Hello Setup\" \"Please select the directory that you wish to install this program into.|\
: no answer in the answers file|run failed: the answers file has no answer for the path dialog|\
exit code 1603 (failed)" \
    "license Agree" "drive OK"
}
