' RANDOMIZE reads nothing after its word: the line goes on only after a ":"
' written at once.
SUB MAIN
  OPTION CONSOLE TRUE
  RANDOMIZE: PRINT "same line" ' expect: same line
  RANDOMIZE 5: PRINT "never" ' check: warning: RANDOMIZE reads nothing after it: the rest of the line does not run (write RANDOMIZE: to go on)
  RANDOMIZE : PRINT "never either" ' check: warning: RANDOMIZE reads nothing after it: the rest of the line does not run (write RANDOMIZE: to go on)
  PRINT "next line" ' expect: next line
  DIM X AS DOUBLE
  X = RND()
  IF X >= 0 AND X <= 1 THEN PRINT "in range" ' expect: in range
END SUB
