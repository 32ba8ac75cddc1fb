' GET and PUT: the binary layout of each type, byte by byte, and reading
' the records back; SEEK and GET/PUT positions count records of the LEN
' length, from 0.
DIM DUMPED AS LONG

SUB MAIN
  OPTION CONSOLE TRUE
  DIM R AS REAL
  DIM I AS INTEGER
  DIM L AS LONG
  DIM Y AS BYTE
  DIM B AS BOOLEAN
  DIM C AS CHARACTER
  R = 1.5
  I = -2
  L = 16909060
  Y = 200
  B = TRUE
  C = "Z"
  OPEN "REC.BIN" FOR BINARY ACCESS READ WRITE AS #1
  PUT #1, , "AB"
  DUMP ' expect: 2 0 41 42
  PUT #1, , 0.5
  DUMP ' expect: 0 0 0 0 0 0 e0 3f
  PUT #1, , R
  DUMP ' expect: 0 0 0 0 0 0 f8 3f
  PUT #1, , I
  DUMP ' expect: fe ff 0 0 0 0 0 0
  PUT #1, , L
  DUMP ' expect: 4 3 2 1
  PUT #1, , Y
  PUT #1, , B
  PUT #1, , 1 = 2
  PUT #1, , C
  DUMP ' expect: c8 1 0 5a
  DIM S AS STRING
  DIM D AS DOUBLE
  DIM F AS BOOLEAN
  GET #1, 0, S
  GET #1, , D
  GET #1, , R
  GET #1, , I
  GET #1, , L
  GET #1, , Y
  GET #1, , B
  GET #1, , F
  GET #1, , C
  PRINT S; " "; D; " "; R; " "; I; " "; L; " "; Y; " "; B; " "; F; " "; C ' expect: AB 0.5 1.5 -2 16909060 200 true false Z
  ' A name that is not a variable is read as text.
  GET #1, 0, FRESH
  PRINT FRESH ' expect: AB
  CLOSE #1
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
  SEEK 1, 0 ' check: 8: error: expected '#' and a file number
  PRINT ERR.NUMBER ' expect: 13
  SEEK #2, 0
  PRINT ERR.NUMBER ' expect: 50
END SUB

' Prints, in hexadecimal, the bytes written since the last call.
SUB DUMP
  DIM X AS BYTE
  OPEN "REC.BIN" FOR BINARY ACCESS READ AS #9
  SEEK #9, DUMPED
  T = ""
  WHILE NOT EOF(9)
    GET #9, , X
    T = T & HEX(X) & " "
    DUMPED = DUMPED + 1
  WEND
  CLOSE #9
  PRINT RTRIM(T)
END SUB
