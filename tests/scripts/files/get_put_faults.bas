' GET and PUT on a failing disk raise a disk error (48): the failed GET
' leaves its variable as it was and the failed PUT keeps the record before
' it. The program's first read and second write fail (the counts start at
' the program's start).
' faults: read:1
' faults: write:2
SUB MAIN
  OPTION CONSOLE TRUE
  DIM Y AS BYTE
  Y = 7
  OPEN "B.DAT" FOR BINARY ACCESS READ WRITE AS #1
  PUT #1, , Y
  ON ERROR RESUME NEXT
  PUT #1, , Y
  PRINT ERR.NUMBER ' expect: 48
  Y = 0
  GET #1, 0, Y
  PRINT ERR.NUMBER; " "; Y ' expect: 48 0
  ON ERROR GOTO 0
  GET #1, 0, Y
  PRINT Y ' expect: 7
  CLOSE #1
END SUB
