' ON ERROR RESUME NEXT and ON ERROR GOTO; each procedure has its own target.
SUB MAIN
  OPTION CONSOLE TRUE
  ON ERROR RESUME NEXT
  X = "A" + 1: PRINT "rest of line skipped"
  PRINT "next line" ' expect: next line
  ON ERROR GOTO HANDLER
  PRINT "before" ' expect: before
  Y = 1 / 0
  PRINT "never"
HANDLER:
  PRINT "handled" ' expect: handled
  ON ERROR GOTO 0
  ON ERROR RESUME NEXT
  INNER
  PRINT "after inner" ' expect: inner handled
  ' expect: after inner
  ON ERROR GOTO FIN: PRINT "ON ends its line" ' check: 20: warning: statements after ON on this line never run
  STOP
  PRINT "never"
FIN:
  PRINT "stopped" ' expect: stopped
END SUB

SUB INNER
  ' An error target holds 31 characters: a label of that length is reached.
  ON ERROR GOTO CAUGHTINTHEINNERPROCEDUREATLAST
  DIM Q AS LONG
  Q = "text"
  PRINT "never"
CAUGHTINTHEINNERPROCEDUREATLAST:
  PRINT "inner handled"
END SUB
