' The sandbox's files follow Windows: names match in any case and a case
' variant reaches the same file, a file locked against others is not opened
' again, NAME may change only the case, a folder is no file, and a drive
' root is never removed.
' host: sandbox
SUB MAIN
  OPTION CONSOLE TRUE
  MKDIR "C:\Apps"
  OPEN "C:\Apps\Tool.INI" FOR OUTPUT AS #1: PRINT #1, "original": CLOSE #1
  OPEN "c:\APPS\tool.ini" FOR APPEND ACCESS WRITE AS #1: PRINT #1, "more": CLOSE #1
  OPEN "C:\apps\TOOL.ini" FOR INPUT AS #1
  INPUT #1, A: INPUT #1, B: CLOSE #1
  PRINT A; " "; B ' expect: original more
  OPEN "C:\Apps\Tool.INI" FOR INPUT LOCK READ WRITE AS #1
  ON ERROR RESUME NEXT
  OPEN "C:\APPS\TOOL.INI" FOR OUTPUT AS #2
  PRINT ERR.NUMBER ' expect: 48
  ON ERROR GOTO 0
  INPUT #1, A: CLOSE #1
  PRINT A ' expect: original
  NAME "C:\Apps\Tool.INI" AS "C:\Apps\TOOL.INI"
  NAME "C:\Apps\TOOL.INI" AS "C:\Apps\Tool.INI"
  KILL "C:\APPS\TOOL.INI"
  ON ERROR RESUME NEXT
  OPEN "C:\Apps\Tool.INI" FOR INPUT AS #1
  PRINT ERR.NUMBER ' expect: 48
  Y = 1 / 0
  RMDIR "C:\"
  PRINT ERR.NUMBER ' expect: 48
  Y = 1 / 0
  KILL "C:\Apps"
  PRINT ERR.NUMBER ' expect: 48
  Y = 1 / 0
  OPEN "C:\Apps" FOR INPUT AS #1
  PRINT ERR.NUMBER ' expect: 48
  Y = 1 / 0
  ' The install disk holds the program alone.
  OPEN "A:\OTHER.EXE" FOR INPUT AS #1
  PRINT ERR.NUMBER ' expect: 48
  ON ERROR GOTO 0
  RMDIR "C:\APPS"
  PRINT "done" ' expect: done
END SUB
