' Number functions: INT, FIX and SGN around zero, ABS, the exact cases of the
' mathematical functions, the types they answer (seen in a product, which
' keeps its first operand's type), RND's fixed sequence without RANDOMIZE,
' and what RANDOMIZE leaves of its line.
SUB MAIN
  OPTION CONSOLE TRUE
  PRINT INT(-2.5); " "; INT(-2); " "; INT(-0.5); " "; INT(2.7); " "; FIX(-2.5) ' expect: -3 -2 0 2 -2
  PRINT SGN(-3); " "; SGN(0.4); " "; SGN(7) ' expect: -1 0 1
  PRINT ABS(-3); " "; ABS(2.5); " "; ABS(-0.25) ' expect: 3 2.5 0.25
  PRINT SQR(16); " "; EXP(0); " "; LOG(1); " "; COS(0); " "; SIN(0); " "; TAN(0); " "; ATN(0) ' expect: 4 1 0 1 0 0 0
  PRINT LOG(0) ' expect: -inf
  PRINT INT(0); " "; INT(-1.0); " "; FIX(-0.9); " "; FIX(2.9); " "; INT(-7 / 2); " "; SGN(-0.4); " "; SGN(0) ' expect: 0 -1 0 2 -4 0 0
  DIM I AS INTEGER, R AS REAL
  I = -200: R = -2.5
  PRINT SGN(-3) * 40000; " "; INT(2.5) * 100000; " "; ABS(I) * 200; " "; ABS(R) / 2 ' expect: 25536 200000 -25536 1.25
  PRINT ATN(1) * 4; " "; SQR(-1) = SQR(-1) ' expect: 3.14159265358979311599796346854419 false
  ' The generator starts as if seeded with 1: 41, 18467, 6334, 26500, each
  ' divided by 32767 into a DOUBLE.
  PRINT RND() ' expect: 0.00125125888851588488309696245437
  PRINT INT(RND() * 32767 + 0.5) ' expect: 18467
  PRINT INT(RND() * 32767 + 0.5) ' expect: 6334
  PRINT INT(RND() * 32767 + 0.5) ' expect: 26500
  LOWEST = 1
  HIGHEST = 0
  FOR I = 1 TO 2000
    R = RND ( )
    IF R < LOWEST THEN LOWEST = R
    IF R > HIGHEST THEN HIGHEST = R
  NEXT I
  PRINT LOWEST >= 0; " "; HIGHEST <= 1; " "; HIGHEST > 0.9 ' expect: true true true
  ON ERROR RESUME NEXT
  X = RND ' check: 11: error: 'RND' needs its empty parentheses: RND()
  PRINT ERR.NUMBER ' expect: 13
  Y = 1 / 0
  X = RND(1) ' check: 11: error: 'RND' takes no arguments: RND()
  PRINT ERR.NUMBER ' expect: 13
  X = RND( ' check: 12: error: 'RND' takes no arguments: RND()
  PRINT ERR.NUMBER ' expect: 13
  Y = 1 / 0
  X = SIN$(1) ' check: 10: error: 'SIN' takes no '$'
  PRINT ERR.NUMBER ' expect: 13
  X = ABS("-3")
  PRINT ERR.NUMBER ' expect: 33
  Y = 1 / 0
  X = ABS(TRUE)
  PRINT ERR.NUMBER ' expect: 33
  Y = 1 / 0
  X = ABS(CHR(65))
  PRINT ERR.NUMBER ' expect: 33
  Y = 1 / 0
  X = SIN("1")
  PRINT ERR.NUMBER ' expect: 33
  ON ERROR GOTO 0
  ' RANDOMIZE reads nothing after its word: the line goes on only after a ":"
  ' written at once.
  RANDOMIZE: PRINT "same line" ' expect: same line
  RANDOMIZE 5: PRINT "never" ' check: 12: warning: RANDOMIZE reads nothing after it: the rest of the line does not run (write RANDOMIZE: to go on)
  RANDOMIZE : PRINT "never either" ' check: 12: warning: RANDOMIZE reads nothing after it: the rest of the line does not run (write RANDOMIZE: to go on)
  PRINT "next line" ' expect: next line
END SUB
