' Every error names its module and its line, counted from 1 as an editor
' does: in the global area, in a procedure, in a module loaded with LOAD, and
' after a line longer than 255 characters, whose pieces keep its number.
' answers: error Ignore
' answers: error Ignore
' answers: error Ignore
' answers: error Ignore
' stderr: module: TEST.BAS, line 14
' stderr: module: TEST.BAS, line 27
' stderr: module: MORE.BAS, line 3
' stderr: module: TEST.BAS, line 22
' stderr: statement: XXXXXXXXX
DIM A AS LONG
PRINT "not in a global area" ' check: 1: error: only DIM may stand before the first SUB or FUNCTION: this raises error 25, and Ignore skips the module's later DIMs

SUB MAIN
  OPTION CONSOLE TRUE
  FAIL
  LOAD "MORE.BAS"
  INMORE
  ' check: 255: error: line of 285 characters: the runtime reads at most 254 (255 from a packed setup) and runs the rest as a line of its own
  Y = 2: REM xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx Z = "A" + 1
  PRINT "done" ' expect: done
END SUB

SUB FAIL
  X = "A" + 1
END SUB
