' BACKDROP takes a BOOLEAN; the members check their argument lists.
' answers: 4* error Ignore
' stderr: message: Type Mismatch
' stderr: statement: BACKDROP 1
' stderr: statement: X = DIRCAT("A" "B")
' stderr: message: Illegal Use
' stderr: statement: PROGRAMNAME "Hello"
' stderr: message: String Too Long
SUB MAIN
  OPTION CONSOLE TRUE
  BACKDROP 1
  X = DIRCAT("A" "B") ' check: error: expected ',' or ')'
  PROGRAMNAME "Hello" ' check: error: expected '=' after PROGRAMNAME (PROGRAMNAME = text)
  ' check: error: PROGRAMNAME holds at most 63 characters, not 64 (String Too Long)
  PROGRAMNAME = "0123456789012345678901234567890123456789012345678901234567890123"
  PRINT "["; PROGRAMNAME; "]" ' expect: []
END SUB
