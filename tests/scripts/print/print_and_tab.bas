' PRINT items joined by ";", a closing ";" keeps the line open, TAB columns;
' TAB needs its parentheses and a count of 0 to 255, OPTION CONSOLE a BOOLEAN.
' answers: 3* error Ignore
' stderr: statement: PRINT TAB 1
' stderr: message: Illegal Value Error
' stderr: statement: OPTION CONSOLE 1
' stderr: message: Type Mismatch Error
SUB MAIN
  OPTION CONSOLE TRUE
  OPTION CONSOLE TRUE
  PRINT "A"; "B"; 1; 2.5; TRUE ' expect: AB12.5true
  PRINT "no end";
  PRINT " -- joined" ' expect: no end -- joined
  PRINT ' expect:
  PRINT TAB(1); "X" ' expect:           X
  PRINT "1234567890123"; TAB(1); "Y" ' expect: 1234567890123       Y
  PRINT "AB"; TAB(2); "Z" ' expect: AB                  Z
  PRINT TAB(0); "none" ' expect: none
  ' Only ";" separates items: after A the rest of the statement is ignored.
  ' check: 12: warning: only ';' separates the items of PRINT: ', "B"' is not written
  PRINT "A", "B" ' expect: A
  WRITE "written" ' expect: written
  PRINT "x": PRINT "y" ' expect: x
  ' expect: y
  PRINT TAB 1 ' check: 13: error: TAB needs its parentheses: TAB(n)
  PRINT TAB(256)
  OPTION CONSOLE 1
  OPTION CONSOLE FALSE
  PRINT "not shown"
  OPTION CONSOLE TRUE
  PRINT "shown again" ' expect: shown again
END SUB
