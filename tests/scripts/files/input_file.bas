' INPUT # reads one line per name and stores it by the variable's type; a
' last line needs no line end; reading past the end is "End of File".
SUB MAIN
  OPTION CONSOLE TRUE
  OPEN "IN.TXT" FOR OUTPUT AS #1
  PRINT #1, "12"
  PRINT #1, "34"
  PRINT #1, "yes"
  PRINT #1, " 2.5e1 and more"
  PRINT #1, "70000"
  PRINT #1, "Quit"
  PRINT #1, "last";
  CLOSE #1
  DIM F AS BOOLEAN
  DIM D AS DOUBLE
  DIM I AS INTEGER
  DIM C AS CHARACTER
  OPEN "IN.TXT" FOR INPUT AS #1
  INPUT #1, A, B
  PRINT A; "+"; B ' expect: 12+34
  INPUT #1, F, D
  PRINT F; " "; D ' expect: true 25
  INPUT #1, I, C
  PRINT I; " "; C ' expect: 4464 Q
  INPUT #1, L, NOTREAD
  PRINT "["; L; "]" ' expect: [last]
  PRINT EOF(1) ' expect: true
  ON ERROR RESUME NEXT
  INPUT #1, Z
  PRINT ERR.NUMBER ' expect: 52
  INPUT #2, Z
  PRINT ERR.NUMBER ' expect: 50
  INPUT #1 Z ' check: 12: error: expected ',' after the file number
  PRINT ERR.NUMBER ' expect: 13
END SUB
