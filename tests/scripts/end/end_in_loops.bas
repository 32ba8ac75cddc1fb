' A bare END inside nested loops and a block IF ends the program quietly:
' the open loops and the IF do not hold it.
SUB MAIN
  OPTION CONSOLE TRUE
  ON ERROR GOTO FAILED
  FOR I = 1 TO 3
    N = 0
    WHILE N < 1
      N = N + 1
      DO
        IF I = 2 THEN
          PRINT "stop in the second round"
          END
        END IF
        PRINT "first round" ' expect: first round
      LOOP UNTIL TRUE
    WEND
  NEXT
  ' expect: stop in the second round
  PRINT "never after the loops"
  EXIT SUB
FAILED:
  PRINT "error"; ERR.NUMBER
END SUB
