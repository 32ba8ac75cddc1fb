' LOAD needs a text and an existing module; a bare END ends the whole
' program, while END SUB only returns.
' answers: error Ignore
' answers: error Ignore
' stderr: message: Type Mismatch Error
' stderr: message: File Not Found Error
SUB MAIN
  OPTION CONSOLE TRUE
  LOAD 5
  LOAD "NOSUCH.BAS" ' check: 8: error: module 'NOSUCH.BAS' not found
  LOAD "TEST.BAS"
  RETURNS
  PRINT "returned" ' expect: in returns
  ' expect: returned
  STOPS
  PRINT "never"
END SUB

SUB RETURNS
  PRINT "in returns"
  END SUB
  PRINT "never"
END SUB

SUB STOPS
  END
END SUB
