' MKDIR creates a path from its outermost folder inwards (C:, C:\P, C:\P\Q)
' and ignores every failure: when the program's second folder creation (C:\P)
' fails, C:\P\Q has no parent and neither is made, without an error. The
' count starts at the program's start.
' faults: createfolder:2
SUB MAIN
  OPTION CONSOLE TRUE
  MKDIR "C:\P\Q": PRINT "no error" ' expect: no error
  ON ERROR RESUME NEXT
  CHDIR "C:\P"
  PRINT ERR.NUMBER ' expect: 48
  ON ERROR GOTO 0
  MKDIR "C:\P\Q": CHDIR "C:\P\Q": PRINT "made on the second try" ' expect: made on the second try
END SUB
