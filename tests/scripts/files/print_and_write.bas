' PRINT # and WRITE # write their items and CR LF; a closing ";" keeps the
' line open; OUTPUT does not truncate; APPEND writes at the end.
SUB MAIN
  OPTION CONSOLE TRUE
  OPEN "P.TXT" FOR OUTPUT AS #1
  PRINT #1, "A"; "B"
  PRINT #1, "C";
  WRITE #1, 1; 2.5; TRUE
  PRINT #1, TAB(1); "T"
  CLOSE #1
  DUMP "P.TXT" ' expect: 41 42 d a 43 31 32 2e 35 74 72 75 65 d a 20 20 20 20 20 20 20 20 20 20 54 d a
  ' Three bytes over a longer file leave the rest in place.
  OPEN "P.TXT" FOR OUTPUT ACCESS WRITE AS #1
  PRINT #1, "xy";
  PRINT #1, "z";
  CLOSE #1
  DUMP "P.TXT" ' expect: 78 79 7a a 43 31 32 2e 35 74 72 75 65 d a 20 20 20 20 20 20 20 20 20 20 54 d a
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
  PRINT #1 "no comma" ' check: error: expected ',' after the file number
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
