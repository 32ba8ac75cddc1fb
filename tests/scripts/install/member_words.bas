' The install object's words keep their class: a statement word in an
' expression reads as 0 and a value word is no statement. ASKLICENSE shows
' the entry's text, and an empty text for an entry that is not there.
' answers: license Agree
' answers: license Agree
' stderr: [licence dialog] "License Agreement"
' stderr:   ' The install object's words keep their class
' stderr: answer: Agree (answers file line 2)
SUB MAIN
  OPTION CONSOLE TRUE
  X = BACKDROP ' check: error: 'BACKDROP' is a statement, not a value: in an expression it reads as 0
  PRINT X ' expect: 0
  ON ERROR RESUME NEXT
  DIRCAT("A", "B") ' check: error: 'DIRCAT' is a value, not a statement: use it in an expression, as in IF DIRCAT = FALSE THEN END
  PRINT ERR.NUMBER ' expect: 32
  Y = 1 / 0
  Y = ASKLICENSE "X" ' check: error: 'ASKLICENSE' needs its arguments in parentheses
  PRINT ERR.NUMBER ' expect: 13
  ON ERROR GOTO 0
  PRINT ASKLICENSE("TEST.BAS") ' expect: true
  ' check: error: licence entry 'MISSING.TXT' not found: the dialog would show an empty licence
  PRINT ASKLICENSE("MISSING.TXT") ' expect: true
END SUB
