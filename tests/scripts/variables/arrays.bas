' Array cells start empty by their type (a CHARACTER cell holds no character,
' unlike a scalar's blank), are independent, keep their type's width, and
' every index triple of a three-dimensional array has a cell of its own.
SUB MAIN
  OPTION CONSOLE TRUE
  DIM TX(3) AS STRING, CH(2) AS CHARACTER, FL(2) AS BOOLEAN, DB(2) AS DOUBLE, CS AS CHARACTER
  PRINT "["; TX(2); "]["; CH(2); "]["; CS; "]"; FL(2); DB(2) ' expect: [][][ ]false0
  FOR I = 1 TO 3
    TX(I) = LEFT("aaa", I)
  NEXT
  PRINT TX(1); "|"; TX(2); "|"; TX(3) ' expect: a|aa|aaa
  DIM NUM(10) AS INTEGER
  NUM(10) = 70000
  PRINT NUM(10); " "; NUM(9) ' expect: 4464 0
  DIM GRID(3, 4, 5) AS LONG
  FOR I = 1 TO 3: FOR J = 1 TO 4: FOR K = 1 TO 5
    GRID(I, J, K) = I * 100 + J * 10 + K
  NEXT: NEXT: NEXT
  OVERWRITTEN = 0
  FOR I = 1 TO 3: FOR J = 1 TO 4: FOR K = 1 TO 5
    IF GRID(I, J, K) <> (I * 100 + J * 10 + K) THEN OVERWRITTEN = OVERWRITTEN + 1
  NEXT: NEXT: NEXT
  PRINT "cells overwritten:"; OVERWRITTEN ' expect: cells overwritten:0
END SUB
