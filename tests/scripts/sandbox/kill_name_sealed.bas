' KILL and NAME: nothing on the install disk A: is deleted or renamed, nothing
' is moved onto it, and no path leads out of the sandbox.
' host: sandbox
SUB MAIN
  OPTION CONSOLE TRUE
  OPEN "C:\MINE.TXT" FOR OUTPUT AS #1
  CLOSE #1
  ON ERROR RESUME NEXT
  KILL "A:\vorna-run"
  PRINT ERR.NUMBER ' expect: 48
  Y = 1 / 0
  NAME "A:\vorna-run" AS "C:\STOLEN"
  PRINT ERR.NUMBER ' expect: 48
  Y = 1 / 0
  NAME "A:\vorna-run" AS "A:\RENAMED"
  PRINT ERR.NUMBER ' expect: 48
  Y = 1 / 0
  NAME "C:\MINE.TXT" AS "A:\MINE.TXT"
  PRINT ERR.NUMBER ' expect: 48
  Y = 1 / 0
  KILL "\\server\share\x"
  PRINT ERR.NUMBER ' expect: 48
  Y = 1 / 0
  NAME "C:\MINE.TXT" AS "\\server\share\MINE.TXT"
  PRINT ERR.NUMBER ' expect: 48
  ON ERROR GOTO 0
  ' The install disk still reads, and the file stayed where it was.
  OPEN "A:\vorna-run" FOR INPUT AS #1
  CLOSE #1
  ' Climbing stops at the drive root.
  NAME "C:\MINE.TXT" AS "..\..\..\..\..\MOVED.TXT"
  KILL "C:\..\..\..\..\MOVED.TXT"
  PRINT "renamed and deleted inside" ' expect: renamed and deleted inside
END SUB
