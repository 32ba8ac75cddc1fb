' MKDIR, RMDIR and CHDIR: no folder is made on or removed from the install
' disk A:, no path leads out of the sandbox, and a folder path longer than
' Windows creates is not created.
' host: sandbox
SUB MAIN
  OPTION CONSOLE TRUE
  MKDIR "A:\NEW\FOLDER"
  DIM LONGNAME AS STRING
  FOR I = 1 TO 25: LONGNAME = LONGNAME + "0123456789": NEXT
  MKDIR "C:\" + LONGNAME
  ON ERROR RESUME NEXT
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
END SUB
