' SEEK and GET/PUT positions count records of the LEN length, from 0.
SUB MAIN
  OPTION CONSOLE TRUE
  DIM L AS LONG
  OPEN "R.BIN" FOR RANDOM ACCESS READ WRITE AS #1 LEN = 4
  L = 3
  PUT #1, 2, L
  L = 1
  PUT #1, 0, L
  SEEK #1, 1
  L = 2
  PUT #1, , L
  PRINT EOF(1) ' expect: false
  FOR K = 0 TO 2
    GET #1, K, L
    PRINT L;
  NEXT K
  PRINT ' expect: 123
  PRINT EOF(1) ' expect: true
  SEEK #1, 0
  PRINT EOF(1) ' expect: false
  ON ERROR RESUME NEXT
  SEEK 1, 0 ' check: error: expected '#' and a file number
  PRINT ERR.NUMBER ' expect: 13
  SEEK #2, 0
  PRINT ERR.NUMBER ' expect: 50
END SUB
