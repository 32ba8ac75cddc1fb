' Calls and REDIM in running programs: CALL of a SUB or a FUNCTION is no
' error; REDIM of a global that a BYREF parameter borrows is refused, and so
' is RUN while it is borrowed, but REDIM of the parameter itself is allowed;
' Ignore after a runaway recursion goes on in the deepest call and every
' caller returns normally.
' answers: 3* error Ignore
' stderr: message: Illegal Use Error
' stderr: statement: REDIM G AS LONG
' stderr: statement: RUN
' stderr: message: Out of Memory Error
DIM G AS LONG

SUB MAIN
  OPTION CONSOLE TRUE
  CALL S(2) ' expect: 2
  CALL S 3 ' expect: 3
  CALL F(4) ' expect: 4
  G = 1
  ALTER G
  PRINT G ' expect: 2
  Y = 1
  ALIASED Y
  PRINT Y ' expect: 1
  DOWN 1
  PRINT "after" ' expect: after
END SUB

SUB S(N AS LONG)
  PRINT N
END SUB

FUNCTION F(N AS LONG) AS LONG
  PRINT N
  F = N
END FUNCTION

SUB ALTER(BYREF X AS LONG)
  REDIM G AS LONG
  RUN
  X = X + 1
END SUB

SUB ALIASED(BYREF X AS LONG)
  REDIM X AS STRING
  X = "mine"
END SUB

SUB DOWN(N AS LONG)
  IF N < 1000000 THEN DOWN N + 1
END SUB
