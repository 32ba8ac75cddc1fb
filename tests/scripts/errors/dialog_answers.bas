' The error dialog: Retry runs the line again, Ignore goes on, Abort ends.
' answers: error Retry
' answers: error Ignore
' answers: error Abort
' exit: 1
' stderr: run failed: a script error was answered with Abort
' stderr: module: TEST.BAS
' stderr: procedure: FAIL
' stderr: message: Type Mismatch Error
' stderr: statement: X = "A" + 1
' stderr: answer: Retry (answers file line 1)
' stderr: answer: Ignore (answers file line 2)
' stderr: answer: Abort (answers file line 3)
SUB MAIN
  OPTION CONSOLE TRUE
  FAIL
  PRINT "after ignore" ' expect: tries1
  ' expect: after ignore
  FAIL
  PRINT "never"
END SUB

SUB FAIL
  TRIES = TRIES + 1
  X = "A" + 1
  PRINT "tries"; TRIES
END SUB
