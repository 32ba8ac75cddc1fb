' KILL, NAME, MKDIR, RMDIR, CHDIR and CREATELINK: nothing on the install disk
' A: is deleted, renamed, made, removed or linked, nothing is moved onto it,
' no path leads out of the sandbox, and a folder path longer than Windows
' creates (or a link path over 259 characters) is not made.
' stderr: shortcut not written: cannot create A:\Setup.lnk
' stderr: shortcut not written: the path is longer than 259 characters
' stderr: shortcut not written: no drive holds \\server\share\x.lnk
' stderr: shortcut C:\Up.lnk -> C:\APP.EXE "climbed"
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
  MKDIR "A:\NEW\FOLDER"
  DIM LONGNAME AS STRING
  FOR I = 1 TO 25: LONGNAME = LONGNAME + "0123456789": NEXT
  MKDIR "C:\" + LONGNAME
  ON ERROR RESUME NEXT
  Y = 1 / 0
  CHDIR "A:\NEW"
  PRINT ERR.NUMBER ' expect: 48
  Y = 1 / 0
  CHDIR "C:\" + LONGNAME
  PRINT ERR.NUMBER ' expect: 48
  Y = 1 / 0
  RMDIR "A:\"
  PRINT ERR.NUMBER ' expect: 48
  Y = 1 / 0
  RMDIR "A:\NEW"
  PRINT ERR.NUMBER ' expect: 48
  Y = 1 / 0
  CHDIR "\\server\share"
  PRINT ERR.NUMBER ' expect: 48
  ON ERROR GOTO 0
  ' Climbing stops at the drive root.
  MKDIR "C:\..\..\..\..\UP\DEEPER"
  CHDIR "..\..\..\..\..\.."
  CHDIR "UP\DEEPER"
  RMDIR "C:\UP\DEEPER"
  CHDIR "..\..\..\..\..\.."
  RMDIR "..\..\..\UP"
  PRINT "made, entered and removed inside" ' expect: made, entered and removed inside
  CREATELINK "C:\APP.EXE", "A:\Setup.lnk", "on the install disk"
  LONGNAME = LONGNAME + "0123456789"
  CREATELINK "C:\APP.EXE", "C:\" + LONGNAME + ".lnk", "too long"
  CREATELINK "C:\APP.EXE", "\\server\share\x.lnk", "elsewhere"
  CREATELINK "C:\APP.EXE", "C:\..\..\..\..\Up.lnk", "climbed"
  OPEN "C:\Up.lnk" FOR INPUT AS #1
  PRINT "the link is inside" ' expect: the link is inside
END SUB
