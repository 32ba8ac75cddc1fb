' A runaway recursion ends with "Out of Memory" in the error dialog, not a
' crash; Ignore unwinds one call at a time... so the answer here is Abort.
' With ON ERROR RESUME NEXT in every call, a million-deep recursion stops at
' the bound and every call returns in turn.
' answers: error Abort
' exit: 1
' stderr: message: Out of Memory Error
' stderr: procedure: DOWN
SUB MAIN
  OPTION CONSOLE TRUE
  PRINT FACT(10) ' expect: 3628800
  PRINT DEPTH(200) ' expect: 200
  QUIETDOWN 1
  PRINT "survived" ' expect: survived
  DOWN 1
  PRINT "never"
END SUB

FUNCTION FACT(N AS LONG) AS LONG
  IF N <= 1 THEN FACT = 1 ELSE FACT = N * FACT(N - 1)
END FUNCTION

FUNCTION DEPTH(N AS LONG) AS LONG
  IF N = 0 THEN
    DEPTH = 0
  ELSE
    DEPTH = DEPTH(N - 1) + 1
  END IF
END FUNCTION

SUB DOWN(N AS LONG)
  IF N < 1000000 THEN DOWN N + 1
END SUB

SUB QUIETDOWN(N AS LONG)
  ON ERROR RESUME NEXT
  IF N < 1000000 THEN QUIETDOWN N + 1
END SUB
