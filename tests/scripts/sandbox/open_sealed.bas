' OPEN in every mode: the install disk A: (here the runner itself, the only
' file there) is read-only, nothing is created on it, and no path leads out
' of the sandbox. Each failed OPEN is "Disk". GET and PUT: A: cannot be
' opened for records, so no record is ever written there; records written
' through a climbing path land inside the sandbox.
' host: sandbox
SUB MAIN
  OPTION CONSOLE TRUE
  ON ERROR RESUME NEXT
  OPEN "A:\vorna-run" FOR OUTPUT AS #1
  PRINT ERR.NUMBER ' expect: 48
  Y = 1 / 0
  ' APPEND, RANDOM and BINARY without an ACCESS clause open with no access
  ' at all, which a read-only disk allows; the first write is refused.
  OPEN "A:\vorna-run" FOR APPEND AS #1: PRINT #1, "appended"
  PRINT ERR.NUMBER ' expect: 48
  CLOSE #1
  Y = 1 / 0
  OPEN "A:\vorna-run" FOR RANDOM ACCESS READ WRITE AS #1
  PRINT ERR.NUMBER ' expect: 48
  Y = 1 / 0
  OPEN "A:\vorna-run" FOR BINARY ACCESS WRITE AS #1
  PRINT ERR.NUMBER ' expect: 48
  Y = 1 / 0
  OPEN "A:\NEW.TXT" FOR BINARY AS #1
  PRINT ERR.NUMBER ' expect: 48
  Y = 1 / 0
  OPEN "a:\NEW.TXT" FOR OUTPUT AS #1
  PRINT ERR.NUMBER ' expect: 48
  Y = 1 / 0
  ' Reading the install disk is what it is for.
  OPEN "a:\VORNA-RUN" FOR INPUT AS #1
  PRINT ERR.NUMBER; " "; EOF(1) ' expect: 6 false
  CLOSE #1
  ' What no drive holds.
  OPEN "\\server\share\x.txt" FOR OUTPUT AS #1
  PRINT ERR.NUMBER ' expect: 48
  Y = 1 / 0
  OPEN "\\?\C:\x.txt" FOR OUTPUT AS #1
  PRINT ERR.NUMBER ' expect: 48
  Y = 1 / 0
  OPEN "/etc/passwd" FOR INPUT AS #1
  PRINT ERR.NUMBER ' expect: 48
  Y = 1 / 0
  ' A path longer than Windows allows is refused, as Windows refuses it.
  DIM LONGNAME AS STRING
  FOR I = 1 TO 26: LONGNAME = LONGNAME + "0123456789": NEXT
  OPEN "C:\" + LONGNAME FOR OUTPUT AS #1
  PRINT ERR.NUMBER ' expect: 48
  ON ERROR GOTO 0
  ' Climbing stops at the drive root: this file lands in C:\.
  OPEN "C:\..\..\..\..\..\..\ESCAPE.TXT" FOR OUTPUT AS #1
  PRINT #1, "inside"
  CLOSE #1
  OPEN "..\..\..\..\..\..\..\..\APPENDED.TXT" FOR APPEND AS #1
  CLOSE #1
  OPEN "C:\ESCAPE.TXT" FOR INPUT AS #1
  INPUT #1, T
  PRINT T ' expect: inside
  CLOSE #1
  OPEN "C:\APPENDED.TXT" FOR INPUT AS #1
  PRINT EOF(1) ' expect: true
  CLOSE #1
  DIM R AS LONG
  ON ERROR RESUME NEXT
  Y = 1 / 0
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
