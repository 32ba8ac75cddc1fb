' A failing disk under OPEN, PRINT # and INPUT #: a disk error (48), and
' what was written before the failure stays. The counts start at the
' program's start and count only its own calls: write 3 is the third piece
' PRINT # writes ("C"; the line end is never written), open 2 is the first
' OPEN for input, read 2 the second byte INPUT # reads.
' faults: write:3
' faults: open:2
' faults: read:2
SUB MAIN
  OPTION CONSOLE TRUE
  ON ERROR RESUME NEXT
  OPEN "W.TXT" FOR OUTPUT AS #1
  PRINT #1, "A"; "B"; "C"
  PRINT ERR.NUMBER ' expect: 48
  CLOSE #1
  OPEN "W.TXT" FOR INPUT AS #2
  PRINT ERR.NUMBER; " "; FREEFILE ' expect: 48 1
  ON ERROR GOTO 0
  ' INPUT # takes a failed read for the end of the file.
  OPEN "W.TXT" FOR INPUT AS #2
  INPUT #2, S
  PRINT "["; S; "]" ' expect: [A]
  CLOSE #2
  OPEN "W.TXT" FOR INPUT AS #2
  INPUT #2, S
  PRINT "["; S; "] "; EOF(2) ' expect: [AB] true
END SUB
