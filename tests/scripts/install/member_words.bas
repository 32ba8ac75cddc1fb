' The install object's words keep their class: a statement word in an
' expression reads as 0 and a value word is no statement. ASKLICENSE shows
' the entry's text, and an empty text for an entry that is not there.
' BACKDROP takes a BOOLEAN; the members check their argument lists.
' answers: 4* error Ignore
' answers: license Agree
' answers: license Agree
' stderr: [licence dialog] "License Agreement"
' stderr:   ' The install object's words keep their class
' stderr: answer: Agree (answers file line 6)
' stderr: message: Type Mismatch
' stderr: statement: BACKDROP 1
' stderr: statement: X = DIRCAT("A" "B")
' stderr: message: Illegal Use
' stderr: statement: PROGRAMNAME "Hello"
' stderr: message: String Too Long
SUB MAIN
  OPTION CONSOLE TRUE
  BACKDROP 1
  X = DIRCAT("A" "B") ' check: 18: error: expected ',' or ')'
  PROGRAMNAME "Hello" ' check: 3: error: expected '=' after PROGRAMNAME (PROGRAMNAME = text)
  ' check: 17: error: PROGRAMNAME holds at most 63 characters, not 64 (String Too Long)
  PROGRAMNAME = "0123456789012345678901234567890123456789012345678901234567890123"
  PRINT "["; PROGRAMNAME; "]" ' expect: []
  X = BACKDROP ' check: 7: error: 'BACKDROP' is a statement, not a value: in an expression it reads as 0
  PRINT X ' expect: 0
  ON ERROR RESUME NEXT
  DIRCAT("A", "B") ' check: 3: error: 'DIRCAT' is a value, not a statement: use it in an expression, as in IF DIRCAT = FALSE THEN END
  PRINT ERR.NUMBER ' expect: 32
  Y = 1 / 0
  Y = ASKLICENSE "X" ' check: 7: error: 'ASKLICENSE' needs its arguments in parentheses
  PRINT ERR.NUMBER ' expect: 13
  ON ERROR GOTO 0
  PRINT ASKLICENSE("TEST.BAS") ' expect: true
  ' check: 20: error: licence entry 'MISSING.TXT' not found: the dialog would show an empty licence
  PRINT ASKLICENSE("MISSING.TXT") ' expect: true
END SUB
