' TAB needs its parentheses and a count of 0 to 255; OPTION knows CONSOLE only.
' answers: 4* error Ignore
' stderr: statement: PRINT TAB 1
' stderr: message: Illegal Value Error
' stderr: statement: OPTION BASE 0
' stderr: message: Type Mismatch Error
SUB MAIN
  OPTION CONSOLE TRUE
  PRINT TAB 1 ' check: error: TAB needs its parentheses: TAB(n)
  PRINT TAB(256)
  OPTION BASE 0 ' check: error: OPTION knows only CONSOLE: OPTION CONSOLE TRUE
  OPTION CONSOLE 1
  PRINT "done" ' expect: done
END SUB
