' Binding errors are raised in the caller's statement; Ignore goes on.
' answers: 3* error Ignore
' stderr: message: Undefined Variable Error
' stderr: message: Not Enough Parameters Error
' stderr: message: Syntax Error
' stderr: procedure: MAIN
SUB MAIN
  OPTION CONSOLE TRUE
  BUMP 5 ' check: error: BYREF parameter X of BUMP needs a variable
  BUMP ' check: error: 'BUMP' takes 1 argument, not 0
  NOSUCH 1 ' check: error: unknown statement or procedure 'NOSUCH'
  PRINT "done" ' expect: done
END SUB

SUB BUMP(BYREF X AS LONG)
  X = X + 1
END SUB
