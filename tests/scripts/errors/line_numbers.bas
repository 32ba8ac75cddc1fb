' Every error names its module and its line, counted from 1 as an editor
' does: in the global area, in a procedure, in a module loaded with LOAD, and
' after a line longer than 255 characters, whose pieces keep its number.
' answers: error Ignore
' answers: error Ignore
' answers: error Ignore
' answers: error Ignore
' stderr: module: TEST.BAS, line 14
' stderr: module: TEST.BAS, line 26
' stderr: module: MORE.BAS, line 3
' stderr: module: TEST.BAS, line 21
' stderr: statement: XXXXXXXXX
DIM A AS LONG
PRINT "not in a global area"

SUB MAIN
  OPTION CONSOLE TRUE
  FAIL
  LOAD "MORE.BAS"
  INMORE
  Y = 2: REM xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx Z = "A" + 1
  PRINT "done" ' expect: done
END SUB

SUB FAIL
  X = "A" + 1
END SUB
