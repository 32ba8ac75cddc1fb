' DO/LOOP in all its forms, EXIT DO and zero trips; WHILE/WEND with nesting
' and a false condition at entry; misused loop statements raise their errors,
' and Ignore goes on.
' answers: 6* error Ignore
' stderr: message: Illegal Use Error
' stderr: statement: FOR I = 1 TO 3 STEP 0
' stderr: message: For Without To Error
' stderr: message: Next Without For Error
' stderr: message: Wend Without While Error
' stderr: statement: LOOP
' stderr: statement: LOOP WHILE X
SUB MAIN
  OPTION CONSOLE TRUE
  I = 0
  DO WHILE I < 3
    I = I + 1
    PRINT I;
  LOOP
  PRINT ' expect: 123
  DO UNTIL I = 0
    PRINT I;
    I = I - 1
  LOOP
  PRINT ' expect: 321
  DO
    I = I + 1
  LOOP WHILE I < 5
  PRINT I ' expect: 5
  DO
    I = I - 1
  LOOP UNTIL I <= 2
  PRINT I ' expect: 2
  ' The body of a post-test loop runs at least once.
  DO
    PRINT "once"
  LOOP WHILE FALSE
  ' expect: once
  ' No condition on either line: repeats until EXIT DO, which leaves it.
  DO
    I = I + 1
    IF I = 7 THEN EXIT DO
  LOOP
  PRINT I ' expect: 7
  ' A false pre-test skips nested loops.
  DO WHILE FALSE
    DO
      PRINT "never"
    LOOP
  LOOP
  PRINT "end" ' expect: end
  ' Nested DO loops.
  A = 0
  DO WHILE A < 2
    A = A + 1
    B = 0
    DO
      B = B + 1
      PRINT A; B; " ";
    LOOP UNTIL B = 2
  LOOP
  PRINT ' expect: 11 12 21 22 
  I = 0
  WHILE I < 3
    I = I + 1
    J = 0
    WHILE J < I
      J = J + 1
      PRINT J;
    WEND
    PRINT " ";
  WEND
  PRINT ' expect: 1 12 123 
  ' False at entry: nested WHILE/WEND pairs are skipped correctly.
  WHILE FALSE
    WHILE TRUE
      PRINT "never"
    WEND
    PRINT "never"
  WEND
  PRINT "skipped" ' expect: skipped
  ' A block IF inside a skipped loop is skipped with its END IF, so the IF
  ' around the loop still owns the END IF that follows.
  IF TRUE THEN
    WHILE FALSE
      IF N THEN
        PRINT "never"
      END IF
    WEND
    PRINT "taken" ' expect: taken
  END IF
  N = 3: WHILE N > 0: PRINT N;: N = N - 1: WEND: PRINT
  ' expect: 321
  FOR I = 1 TO 3 STEP 0 ' check: 23: error: a STEP of 0 raises Illegal Use
  FOR I = 1 UPTO 3 ' check: 13: error: expected TO (FOR I = 1 TO 10)
  NEXT
  WEND ' check: 3: error: WEND without WHILE
  LOOP ' check: 3: error: LOOP without DO
  X = TRUE
  DO WHILE X
    X = FALSE
  LOOP WHILE X ' check: 3: error: conditions on both DO (line 99) and LOOP raise Illegal Use
  PRINT "done" ' expect: done
END SUB ' check: 1: error: END SUB with the FOR of line 93 still open (missing NEXT?)
