' DO/LOOP in all its forms, EXIT DO and zero trips.
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
END SUB
