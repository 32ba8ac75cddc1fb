' An internal error text is reported on the console and ends the procedure:
' RUN starts over, and the global area fails this time (Retry).
' answers: error Ignore
' answers: error Retry
' exit: 1
' stderr: answer: Retry (answers file line 2)
' check: 1: error: only DIM may stand before the first SUB or FUNCTION: this raises error 25, and Ignore skips the module's later DIMs
PRINT "global area fails"

SUB MAIN
  OPTION CONSOLE TRUE
  SHOWRUN
  PRINT "main goes on" ' expect: ?CAN'T EXECUTE PROGRAM ERROR:
  ' expect: RUN
  ' expect: main goes on
END SUB

SUB SHOWRUN
  RUN
  PRINT "never"
END SUB
