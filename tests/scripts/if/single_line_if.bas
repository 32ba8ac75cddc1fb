' Single-line IF with ELSE, the ELSE substring search and label numbers.
SUB MAIN
  OPTION CONSOLE TRUE
  IF 1 < 2 THEN PRINT "a" ELSE PRINT "b" ' expect: a
  IF 1 > 2 THEN PRINT "a" ELSE PRINT "b" ' expect: b
  IF 1 > 2 THEN PRINT "a" ' nothing printed
  IF 1 > 2 THEN PRINT "ELSE in a text" ELSE PRINT "found" ' expect: found
  ' The search finds the letters ELSE inside a longer word.
  ELSEWHERE = 0
  IF FALSE THEN PRINT "x": ELSEWHERE = 1 ' check: 28: warning: the false branch of this IF runs what follows the letters ELSE here
  PRINT ELSEWHERE ' expect: 0
  ' A letter that breaks a match is not tried again: EELSE holds no ELSE.
  IF FALSE THEN PRINT "x": EELSE = 1
  PRINT EELSE ' expect: 0
  IF TRUE THEN X = 1: Y = 2
  PRINT X; Y ' expect: 12
  IF FALSE THEN X = 5: Y = 6
  PRINT X; Y ' expect: 12
  IF 2 > 1 THEN 100
  PRINT "never"
100: PRINT "label 100" ' expect: label 100
  IF FALSE THEN PRINT 1 ELSEIF TRUE THEN PRINT "elseif" ' expect: elseif
END SUB
