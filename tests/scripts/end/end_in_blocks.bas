' A bare END inside open blocks ends the whole program, quietly: the block
' IFs, the loops and the CASE branch around it raise no "Unterminated Block",
' and nothing after it runs, not even in the caller.
SUB MAIN
  OPTION CONSOLE TRUE
  PRINT "before" ' expect: before
  STOPINSIDE
  PRINT "never after the call"
END SUB

SUB STOPINSIDE
  ON ERROR GOTO FAILED
  IF TRUE THEN
    IF 1 = 1 THEN
      FOR I = 1 TO 3
        N = 0
        WHILE N < 1
          N = N + 1
          DO
            SELECT CASE I
            CASE 2
              IF TRUE THEN
                PRINT "stop in the second round"
                END
              END IF
            END CASE
            PRINT "first round" ' expect: first round
          LOOP UNTIL TRUE
        WEND
      NEXT
      ' expect: stop in the second round
      PRINT "never after the loops"
    END IF
  END IF
  PRINT "never after the IF"
  EXIT SUB
FAILED:
  PRINT "error"; ERR.NUMBER
END SUB
