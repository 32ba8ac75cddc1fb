' BACKDROP takes a BOOLEAN; the members check their argument lists.
' answers: error Ignore
' answers: error Ignore
' answers: error Ignore
' answers: error Ignore
' stderr: message: Type Mismatch
' stderr: statement: BACKDROP 1
' stderr: statement: X = DIRCAT("A" "B")
' stderr: message: Illegal Use
' stderr: statement: PROGRAMNAME "Hello"
' stderr: message: String Too Long
SUB MAIN
  OPTION CONSOLE TRUE
  BACKDROP 1
  X = DIRCAT("A" "B")
  PROGRAMNAME "Hello"
  PROGRAMNAME = "0123456789012345678901234567890123456789012345678901234567890123"
  PRINT "["; PROGRAMNAME; "]" ' expect: []
END SUB
