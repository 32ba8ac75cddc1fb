' A bare END inside a CASE branch (within a block IF) ends the program quietly.
SUB MAIN
  OPTION CONSOLE TRUE
  ON ERROR GOTO FAILED
  IF TRUE THEN
    SELECT CASE 2
    CASE 1
      PRINT "never"
    CASE 2
      PRINT "two" ' expect: two
      END
    END CASE
  END IF
  PRINT "never after the SELECT"
  EXIT SUB
FAILED:
  PRINT "error"; ERR.NUMBER
END SUB
