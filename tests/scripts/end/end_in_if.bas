' A bare END inside block IFs ends the whole program, quietly: no
' "Unterminated Block", and nothing after it runs, not even in the caller.
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
      PRINT "inside" ' expect: inside
      END
    END IF
  END IF
  PRINT "never after the IF"
  EXIT SUB
FAILED:
  PRINT "error"; ERR.NUMBER
END SUB
