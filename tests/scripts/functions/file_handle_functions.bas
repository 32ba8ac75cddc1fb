' FREEFILE finds the lowest free number and runs out at 511; EOF compares
' the file pointer with the size; FREEFILE is an INTEGER (seen in a product,
' which keeps its first operand's type).
SUB MAIN
  OPTION CONSOLE TRUE
  PRINT FREEFILE ' expect: 1
  PRINT FREEFILE * 40000 ' expect: -25536
  OPEN "A.TXT" FOR OUTPUT ACCESS WRITE AS #1
  OPEN "A.TXT" FOR INPUT AS #2
  PRINT FREEFILE ' expect: 3
  PRINT #1, "x"
  PRINT EOF(2) ' expect: false
  DIM C AS CHARACTER
  GET #2, , C
  GET #2, , C
  GET #2, , C
  PRINT EOF(2); " "; EOF(1 + 1) ' expect: true true
  ON ERROR RESUME NEXT
  X = EOF(3)
  PRINT ERR.NUMBER ' expect: 50
  X = EOF(0)
  PRINT ERR.NUMBER ' expect: 15
  Y = 1 / 0
  X = EOF(512)
  PRINT ERR.NUMBER ' expect: 15
  X = EOF 2 ' check: 11: error: 'EOF' needs its arguments in parentheses
  PRINT ERR.NUMBER ' expect: 13
  ON ERROR GOTO 0
  FOR I = 3 TO 511
    OPEN "A.TXT" FOR INPUT AS #I
  NEXT I
  ON ERROR RESUME NEXT
  X = FREEFILE
  PRINT ERR.NUMBER ' expect: 23
  CLOSE #300
  PRINT FREEFILE ' expect: 300
  RESET
  PRINT FREEFILE ' expect: 1
END SUB
