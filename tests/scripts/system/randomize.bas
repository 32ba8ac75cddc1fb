' RANDOMIZE reads nothing after its word: the line goes on only after a ":"
' written at once.
SUB MAIN
  OPTION CONSOLE TRUE
  RANDOMIZE: PRINT "same line" ' expect: same line
  RANDOMIZE 5: PRINT "never"
  RANDOMIZE : PRINT "never either"
  PRINT "next line" ' expect: next line
  DIM X AS DOUBLE
  X = RND()
  IF X >= 0 AND X <= 1 THEN PRINT "in range" ' expect: in range
END SUB
