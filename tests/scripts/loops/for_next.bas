' FOR/NEXT: steps, nesting, zero trips, EXIT FOR and the variable read back.
SUB MAIN
  OPTION CONSOLE TRUE
  FOR I = 1 TO 3: PRINT I;: NEXT: PRINT
  ' expect: 123
  FOR I = 10 TO 1 STEP -3
    PRINT I; " ";
  NEXT I
  PRINT ' expect: 10 7 4 1 
  FOR I = 1 TO 2
    FOR J = 1 TO 3
      PRINT I * 10 + J; " ";
    NEXT J
  NEXT I
  PRINT ' expect: 11 12 13 21 22 23 
  ' Zero trips skip the body, nested loops included, and create nothing.
  FOR K = 1 TO 0
    FOR J = 1 TO 5
      PRINT "never"
    NEXT
  NEXT
  PRINT "after"; K ' expect: after0
  ' The loop variable keeps the value that ended the loop.
  FOR I = 1 TO 3
  NEXT
  PRINT I ' expect: 4
  ' A change of the variable in the body is honoured.
  FOR I = 1 TO 10
    PRINT I; " ";
    I = I + 3
  NEXT
  PRINT ' expect: 1 5 9 
  ' REAL bounds are truncated once; the limit is not evaluated again.
  L = 3
  FOR I = 1.9 TO L
    L = 100
    PRINT I; " ";
  NEXT
  PRINT ' expect: 1 2 3 
  FOR I = 1 TO 10
    IF I = 3 THEN EXIT FOR
    PRINT I; " ";
  NEXT: PRINT "not run"
  PRINT "exit" ' expect: 1 2 exit
  ' NEXT J after FOR I advances I: the name is not read.
  FOR I = 1 TO 2
    PRINT "I"; I;
  NEXT J ' check: 8: warning: NEXT J closes the loop of I (line 46): the name after NEXT is not read
  PRINT ' expect: I1I2
END SUB
