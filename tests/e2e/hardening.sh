# The hardening cases of the end-to-end tests, sourced by run.sh after lib.sh.
#
# What only Windows shows: which copy of a library the runtime loads, and
# which handles a program started by SHELL inherits. The probes come from the
# Windows build: marker_library.dll appends its own path to "loaded.txt" in
# the current folder whenever a process loads it, on_demand_library.dll
# loads msimg32.dll by its bare name when it registers (as system code loads
# its helpers on demand), and pipe_probe.exe writes how many pipe handles it
# inherited to "pipes.txt".

HARDENING_LIBS="$BUILD/tests/wine/testdll"

# run_quietly CASE DIR OVERRIDES PROGRAM ARGS...: runs a program that shows
# no window in DIR, with those library overrides, and waits for it.
run_quietly() {
  WINEDLLOVERRIDES="$WINEDLLOVERRIDES;$3" start_wine "$1" "$2" -all "${@:4}"
  wait_exit "$1" 120 >/dev/null || settle "$1"
}

# write_script DIR: the script on standard input becomes DIR's only module.
write_script() {
  printf 'MAIN.BAS\r\n' >"$1/STARTUP.CTL"
  sed 's/$/\r/' >"$1/MAIN.BAS"
}

# REGSVR32 of a relative name loads the file of that name in the current
# folder, and nothing else: not a copy beside the program, not one found on
# the search path.
case_hardening_relative_library() {
  local name=hardening-relative-library dir result loaded
  dir=$(work_folder "$name")
  mkdir -p "$dir/current"
  cp "$EXE" "$dir/vorna.exe"
  cp "$HARDENING_LIBS/marker_library.dll" "$dir/current/server.dll"
  cp "$HARDENING_LIBS/marker_library.dll" "$dir/server.dll"
  cp "$HARDENING_LIBS/marker_library.dll" "$dir/beside.dll"
  write_script "$dir" <<'SCRIPT'
SUB MAIN
  CHDIR "current"
  OPEN "result.txt" FOR OUTPUT AS #1
  PRINT #1, "current "; REGSVR32("server.dll", "R")
  PRINT #1, "beside "; REGSVR32("beside.dll", "R")
  CLOSE #1
  END
END SUB
SCRIPT
  run_quietly "$name" "$dir" "" vorna.exe
  result=$(tr -d '\r' <"$dir/current/result.txt" 2>/dev/null | tr '\n' ' ')
  loaded=$(cat "$dir/loaded.txt" "$dir/current/loaded.txt" 2>/dev/null | tr -d '\r' | tr '\n' ' ')
  if [ "$result" != "current true beside false " ]; then
    fail "$name" "REGSVR32 answered \"$result\""
  elif [ "$loaded" != "$(winepath -w "$dir/current/server.dll" 2>/dev/null) " ]; then
    fail "$name" "the libraries loaded were: $loaded"
  else
    pass "$name (the current folder's copy only)"
  fi
}

# A library named like a system library the process loads on demand,
# planted beside the setup, is not loaded: the runtime limits the search to
# the system folder before anything else. Wine loads its own copy of a
# system library first; the override makes it prefer a file, as Windows
# does for a library that is not one of its known ones.
case_hardening_planted_library() {
  local name=hardening-planted-library dir result
  dir=$(work_folder "$name")
  mkdir -p "$dir/lib"
  cp "$EXE" "$dir/vorna.exe"
  cp "$HARDENING_LIBS/marker_library.dll" "$dir/msimg32.dll"
  cp "$HARDENING_LIBS/on_demand_library.dll" "$dir/lib/server.dll"
  write_script "$dir" <<'SCRIPT'
SUB MAIN
  OPEN "result.txt" FOR OUTPUT AS #1
  PRINT #1, "registered "; REGSVR32("lib\server.dll", "R")
  CLOSE #1
  END
END SUB
SCRIPT
  run_quietly "$name" "$dir" "msimg32=n,b" vorna.exe
  result=$(tr -d '\r' <"$dir/result.txt" 2>/dev/null)
  if [ "$result" != "registered true" ]; then
    fail "$name" "REGSVR32 answered \"$result\" (see $OUT/$name.log)"
  elif [ -s "$dir/loaded.txt" ]; then
    fail "$name" "the planted library was loaded: $(tr -d '\r' <"$dir/loaded.txt")"
  else
    pass "$name (the system's own copy was loaded)"
  fi
}

# A program a script starts with SHELL while the debugger is connected
# inherits none of the debugger's pipes. The Windows debugger client passes
# them as inheritable standard handles, as a debugger on Windows does.
case_hardening_debugger_pipes() {
  local name=hardening-debugger-pipes dir client="$BUILD/tools/debug/vorna-debug.exe" found
  if [ ! -f "$client" ]; then
    fail "$name" "no Windows debugger client at $client"
    return
  fi
  dir=$(work_folder "$name")
  cp "$EXE" "$dir/vorna.exe"
  cp "$client" "$BUILD/tests/wine/testdll/pipe_probe.exe" "$dir/"
  write_script "$dir" <<'SCRIPT'
SUB MAIN
  X = SHELL("pipe_probe.exe")
  END
END SUB
SCRIPT
  printf 'continue\r\n' >"$dir/commands.txt"
  run_quietly "$name" "$dir" "" vorna-debug.exe --batch commands.txt vorna.exe
  # The child goes on after the script has ended.
  wait_until 10 test -s "$dir/pipes.txt"
  found=$(tr -d '\r' <"$dir/pipes.txt" 2>/dev/null)
  if [ "$found" != "pipes 0" ]; then
    fail "$name" "the child found \"$found\" (see $OUT/$name.out)"
  else
    pass "$name (the child inherited no pipe)"
  fi
}
