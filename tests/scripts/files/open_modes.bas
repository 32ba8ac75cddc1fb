' OPEN: which modes create a missing file, the number and slot errors, and
' the clause errors.
SUB MAIN
  OPTION CONSOLE TRUE
  ON ERROR RESUME NEXT
  OPEN "MISSING.TXT" FOR INPUT AS #1
  PRINT ERR.NUMBER ' expect: 48
  PRINT FREEFILE ' expect: 1
  ON ERROR GOTO 0
  OPEN "NEW.TXT" FOR OUTPUT AS #1
  OPEN "NEW.TXT" FOR INPUT AS #2
  PRINT EOF(2) ' expect: true
  ON ERROR RESUME NEXT
  OPEN "NEW.TXT" FOR INPUT AS #1
  PRINT ERR.NUMBER ' expect: 49
  OPEN "NEW.TXT" FOR INPUT AS #512
  PRINT ERR.NUMBER ' expect: 15
  Y = 1 / 0
  OPEN "NEW.TXT" FOR INPUT AS #0
  PRINT ERR.NUMBER ' expect: 15
  OPEN "NEW.TXT" FOR INPUT #3 ' check: 28: error: expected AS and a file number
  PRINT ERR.NUMBER ' expect: 13
  OPEN "NEW.TXT" FOR PRINT AS #3 ' check: 22: error: expected APPEND, BINARY, INPUT, OUTPUT or RANDOM after FOR
  PRINT ERR.NUMBER ' expect: 19
  OPEN "NEW.TXT" FOR RANDOM AS #3 LEN = 0
  PRINT ERR.NUMBER ' expect: 15
  OPEN "NEW.TXT" FOR RANDOM AS #3 LEN 4 ' check: 39: error: expected '=' after LEN
  PRINT ERR.NUMBER ' expect: 13
  CLOSE #4
  PRINT ERR.NUMBER ' expect: 50
  ON ERROR GOTO 0
  CLOSE #1, 2
  ' A file locked against writing cannot be opened for output.
  OPEN "NEW.TXT" FOR INPUT LOCK WRITE AS #3
  ON ERROR RESUME NEXT
  OPEN "NEW.TXT" FOR OUTPUT AS #4
  PRINT ERR.NUMBER ' expect: 48
  ON ERROR GOTO 0
  CLOSE #3
  PRINT FREEFILE ' expect: 1
  OPEN "BIN.DAT" FOR BINARY AS #1
  OPEN "APP.DAT" FOR APPEND AS #2
  OPEN "RND.DAT" FOR RANDOM AS #3
  PRINT FREEFILE ' expect: 4
  RESET
  OPEN "BIN.DAT" FOR INPUT AS #1
  OPEN "APP.DAT" FOR INPUT AS #2
  OPEN "RND.DAT" AS #3
  PRINT "all created" ' expect: all created
END SUB
