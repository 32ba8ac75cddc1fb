' An object cannot fill a new untyped variable: the internal error's text
' ends the run, and the variable is not made.
' exit: 1
' stderr: run failed: internal error: TYPE MISMATCH
SUB MAIN
  OPTION CONSOLE TRUE
  DIM D AS STDFILE
  N = D
  ' expect: ?TYPE MISMATCH ERROR:
  ' expect: N = D
  PRINT "never"
END SUB
