' PRINT # and WRITE # write their items and CR LF; a closing ";" keeps the
' line open; OUTPUT does not truncate; APPEND writes at the end.
' The file statements' edges: OPEN's clause and number errors, APPEND alone grants no write access, CLOSE's
' numbers, the layout of an empty and a long text, GET past the end, the
' PUT, GET and SEEK errors, INPUT #'s line ends, PRINT #'s line end and TAB.
' OPEN's errors leave the number free; without FOR the file must exist; a
' record length is 1 to 32767, and BINARY counts in bytes whatever LEN says.
SUB OPENING
  DIM Y AS BYTE
  ON ERROR RESUME NEXT
  OPEN "NONE.TXT" AS 2
  PRINT ERR.NUMBER ' expect: 48
  OPEN "A.TXT" FOR AS #2 ' check: 20: error: expected APPEND, BINARY, INPUT, OUTPUT or RANDOM after FOR
  PRINT ERR.NUMBER ' expect: 19
  OPEN "A.TXT" FOR NOTHING AS #2 ' check: 20: error: expected APPEND, BINARY, INPUT, OUTPUT or RANDOM after FOR
  PRINT ERR.NUMBER ' expect: 13
  OPEN "A.TXT" ACCESS AS #2 ' check: 23: error: expected READ, WRITE or READ WRITE after ACCESS
  PRINT ERR.NUMBER ' expect: 13
  OPEN "A.TXT" ACCESS 5 AS #2 ' check: 23: error: expected READ, WRITE or READ WRITE after ACCESS
  PRINT ERR.NUMBER ' expect: 13
  OPEN "A.TXT" FOR RANDOM AS #2 LEN = 32768
  PRINT ERR.NUMBER ' expect: 15
  PRINT FREEFILE ' expect: 1
  ON ERROR GOTO 0
  OPEN "A.TXT" FOR RANDOM AS #2 LEN = 32767
  OPEN "B.BIN" FOR BINARY ACCESS READ WRITE AS #3 LEN = 9
  Y = 7
  PUT #3, 1, Y
  CLOSE #2, #3
  DUMP "B.BIN" ' expect: 0 7
END SUB

SUB MAIN
  OPTION CONSOLE TRUE
  OPENING
  OPEN "TEN.BIN" FOR OUTPUT AS #1
  PRINT #1, "0123456789";
  CLOSE #1
  OPEN "TEN.BIN" FOR APPEND AS #1
  ON ERROR RESUME NEXT
  PUT #1, , CHR(90)
  PRINT ERR.NUMBER ' expect: 48
  CLOSE #1
  DUMP "TEN.BIN" ' expect: 30 31 32 33 34 35 36 37 38 39
  CLOSE #1
  PRINT ERR.NUMBER ' expect: 50
  CLOSE #600
  PRINT ERR.NUMBER ' expect: 15
  CLOSE ' check: 9: error: CLOSE needs a file number (RESET closes every file)
  PRINT ERR.NUMBER ' expect: 32
  ON ERROR GOTO 0
  DIM L AS LONG
  DIM Y AS BYTE
  OPEN "REC.BIN" FOR BINARY ACCESS READ WRITE AS #1
  PUT #1, , ""
  PUT #1, , CHR(255)
  Y = 9
  PUT #1, , Y
  L = 5
  GET #1, 4, L
  PRINT L ' expect: 0
  CLOSE #1
  DUMP "REC.BIN" ' expect: 0 0 ff 9
  BIG = ""
  FOR K = 1 TO 3000
    BIG = BIG & "x"
  NEXT K
  OPEN "BIG.BIN" FOR BINARY ACCESS READ WRITE AS #1
  PUT #1, , BIG
  GET #1, 0, BACK
  PRINT LEN(BACK); " "; BACK = BIG ' expect: 3000 true
  DIM N AS INTEGER
  GET #1, 0, N
  PRINT N ' expect: 3000
  ON ERROR RESUME NEXT
  HUGE = "y"
  FOR K = 1 TO 15
    HUGE = HUGE & HUGE
  NEXT K
  PUT #1, , HUGE
  PRINT ERR.NUMBER ' expect: 15
  PUT 1, , "A" ' check: 7: error: expected '#' and a file number
  PRINT ERR.NUMBER ' expect: 13
  PUT #1 "A" ' check: 10: error: expected ','
  PRINT ERR.NUMBER ' expect: 13
  PUT #1, 0 "A" ' check: 13: error: expected ','
  PRINT ERR.NUMBER ' expect: 13
  PUT #2, , "A"
  PRINT ERR.NUMBER ' expect: 50
  SEEK #1 0 ' check: 11: error: expected ','
  PRINT ERR.NUMBER ' expect: 13
  SEEK #1, -1
  PRINT ERR.NUMBER ' expect: 48
  ON ERROR GOTO 0
  CLOSE #1
  ' A lone carriage return ends a line and keeps the next byte; line feeds
  ' are dropped wherever they stand; the last line needs no line end and
  ' ends the statement.
  OPEN "ENDS.TXT" FOR OUTPUT AS #1
  PRINT #1, "a" & CHR(13) & "b" & CHR(10) & CHR(10) & "c" & CHR(13) & CHR(10) & CHR(13) & "d";
  CLOSE #1
  OPEN "ENDS.TXT" FOR INPUT AS #1
  INPUT #1, A, B, C, D, E
  PRINT A; "|"; B; "|"; C; "|"; D ' expect: a|bc||d
  CLOSE #1
  ' PRINT # with nothing ends the line; TAB past the column starts a new zone.
  OPEN "P.TXT" FOR OUTPUT AS #1
  PRINT #1, "1234567890123"; TAB(1); "Y"
  PRINT #1,
  CLOSE #1
  DUMP "P.TXT" ' expect: 31 32 33 34 35 36 37 38 39 30 31 32 33 20 20 20 20 20 20 20 59 d a d a
  ON ERROR RESUME NEXT
  PRINT #0, "x"
  PRINT ERR.NUMBER ' expect: 15
  ON ERROR GOTO 0
  OPEN "Q.TXT" FOR OUTPUT AS #1
  PRINT #1, "A"; "B"
  PRINT #1, "C";
  WRITE #1, 1; 2.5; TRUE
  PRINT #1, TAB(1); "T"
  CLOSE #1
  DUMP "Q.TXT" ' expect: 41 42 d a 43 31 32 2e 35 74 72 75 65 d a 20 20 20 20 20 20 20 20 20 20 54 d a
  ' Three bytes over a longer file leave the rest in place.
  OPEN "Q.TXT" FOR OUTPUT ACCESS WRITE AS #1
  PRINT #1, "xy";
  PRINT #1, "z";
  CLOSE #1
  DUMP "Q.TXT" ' expect: 78 79 7a a 43 31 32 2e 35 74 72 75 65 d a 20 20 20 20 20 20 20 20 20 20 54 d a
  OPEN "L.TXT" FOR OUTPUT AS #1
  PRINT #1, "one"
  CLOSE #1
  OPEN "L.TXT" FOR APPEND ACCESS WRITE AS #1
  PRINT #1, "two"
  CLOSE #1
  DUMP "L.TXT" ' expect: 6f 6e 65 d a 74 77 6f d a
  ON ERROR RESUME NEXT
  PRINT #1, "closed"
  PRINT ERR.NUMBER ' expect: 50
  OPEN "L.TXT" FOR INPUT AS #1
  PRINT #1 "no comma" ' check: 12: error: expected ',' after the file number
  PRINT ERR.NUMBER ' expect: 13
  PRINT #1, "read only"
  PRINT ERR.NUMBER ' expect: 48
END SUB

' Prints the bytes of a file in hexadecimal.
SUB DUMP(FILENAME)
  DIM B AS BYTE
  OPEN FILENAME FOR BINARY ACCESS READ AS #9
  T = ""
  WHILE NOT EOF(9)
    GET #9, , B
    T = T & HEX(B) & " "
  WEND
  CLOSE #9
  PRINT RTRIM(T)
END SUB

