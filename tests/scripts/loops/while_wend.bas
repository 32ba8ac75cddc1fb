' WHILE/WEND with nesting and a false condition at entry.
SUB MAIN
  OPTION CONSOLE TRUE
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
  N = 3: WHILE N > 0: PRINT N;: N = N - 1: WEND: PRINT
  ' expect: 321
END SUB
