' GET and PUT: the install disk A: cannot be opened for records, so no
' record is ever written there; records written through a climbing path land
' inside the sandbox.
' host: sandbox
SUB MAIN
  OPTION CONSOLE TRUE
  DIM R AS LONG
  ON ERROR RESUME NEXT
  OPEN "A:\vorna-run" FOR RANDOM ACCESS READ WRITE AS #1 LEN = 4
  PRINT ERR.NUMBER ' expect: 48
  Y = 1 / 0
  R = 1234
  PUT #1, 1, R
  PRINT ERR.NUMBER ' expect: 50
  Y = 1 / 0
  ' Without an ACCESS clause the file opens with no access: PUT is refused.
  OPEN "A:\vorna-run" FOR RANDOM AS #1 LEN = 4
  PUT #1, 1, R
  PRINT ERR.NUMBER ' expect: 48
  CLOSE #1
  ON ERROR GOTO 0
  OPEN "..\..\..\..\..\..\RECORDS.DAT" FOR RANDOM ACCESS READ WRITE AS #1 LEN = 4
  PUT #1, 1, R
  CLOSE #1
  R = 0
  OPEN "C:\RECORDS.DAT" FOR RANDOM ACCESS READ AS #1 LEN = 4
  GET #1, 1, R
  PRINT R ' expect: 1234
END SUB
