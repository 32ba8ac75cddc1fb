' An error in a global area names <GLOBAL>; Ignore skips the rest of that
' global area, and MAIN still runs.
' answers: error Ignore
' stderr: procedure: <GLOBAL>
' stderr: message: Not Declarative Statement in Global Area Error
' stderr: statement: PRINT "never"
DIM A AS LONG
PRINT "never" ' check: 1: error: only DIM may stand before the first SUB or FUNCTION: this raises error 25, and Ignore skips the module's later DIMs
' check: 1: error: REM is no comment before the first SUB or FUNCTION: write an apostrophe (REM raises error 25 here)
REM never read, as Ignore skipped the rest of the global area
DIM B AS LONG

SUB MAIN
  OPTION CONSOLE TRUE
  A = 1
  PRINT A; B ' expect: 10
END SUB
