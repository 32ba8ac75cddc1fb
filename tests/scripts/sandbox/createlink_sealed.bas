' CREATELINK: no shortcut is written on the install disk A:, none outside the
' sandbox, and none at a path Windows would refuse (over 259 characters).
' stderr: shortcut not written: cannot create A:\Setup.lnk
' stderr: shortcut not written: the path is longer than 259 characters
' stderr: shortcut not written: no drive holds \\server\share\x.lnk
' stderr: shortcut C:\Up.lnk -> C:\APP.EXE "climbed"
' host: sandbox
SUB MAIN
  OPTION CONSOLE TRUE
  CREATELINK "C:\APP.EXE", "A:\Setup.lnk", "on the install disk"
  DIM LONGNAME AS STRING
  FOR I = 1 TO 26: LONGNAME = LONGNAME + "0123456789": NEXT
  CREATELINK "C:\APP.EXE", "C:\" + LONGNAME + ".lnk", "too long"
  CREATELINK "C:\APP.EXE", "\\server\share\x.lnk", "elsewhere"
  CREATELINK "C:\APP.EXE", "C:\..\..\..\..\Up.lnk", "climbed"
  OPEN "C:\Up.lnk" FOR INPUT AS #1
  PRINT "the link is inside" ' expect: the link is inside
END SUB
