' The evaluator's precedence inside real statements: comparisons bind like
' * and /, a leading sign applies to the first term, MOD ends its term.
SUB MAIN
  OPTION CONSOLE TRUE
  A = 1: B = 2: X = 1: Y = 2
  IF A = 1 AND B = 2 THEN PRINT "and" ' expect: and
  IF A = 2 OR B = 2 THEN PRINT "or" ' expect: or
  ' A + B = X is A + (B = X): a number plus a flag is no condition.
  PRINT 2 * 3 + 4 ' expect: 10
  PRINT 2 + 3 * 4 ' expect: 14
  PRINT 10 - 2 - 3 ' expect: 5
  PRINT 2 ^ 3 ^ 2 ' expect: 512
  PRINT 7 MOD 3 ' expect: 1
  PRINT -2 + 5 ' expect: 3
  PRINT (1 + 2) * 3 ' expect: 9
  PRINT "A" & "B" + "C" ' expect: ABC
  Z = 3 > 2
  PRINT Z ' expect: true
  WHILE X < 3 AND Y = 2
    X = X + 1
  WEND
  PRINT X ' expect: 3
  FOR I = 1 TO 2 * 2 STEP 1 + 1
    PRINT I;
  NEXT
  PRINT ' expect: 13
END SUB
