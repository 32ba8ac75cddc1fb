' The install object's fields and path words, as global names of the language.
' stderr: library not registered: the sandbox cannot load A:\vorna-run
' stderr: library not unregistered: the sandbox cannot load ..\..\..\lib.dll
' host: sandbox
SUB MAIN
  OPTION CONSOLE TRUE
  PRINT "["; PROGRAMNAME; "]" ' expect: []
  PROGRAMNAME = "Hello"
  INSTALLNAME = "Hello Setup"
  COPYRIGHT = "(c) 2026 Hello Makers"
  VERSION = "1.0"
  INSTALLPATH = "C:\Program Files\Hello"
  PRINT PROGRAMNAME; " / "; INSTALLNAME; " / "; VERSION ' expect: Hello / Hello Setup / 1.0
  PRINT COPYRIGHT ' expect: (c) 2026 Hello Makers
  ' A variable of the same name never shadows a member word.
  DIM VERSION AS STRING
  VERSION = "2.0"
  PRINT VERSION ' expect: 2.0
  PRINT DIRCAT(INSTALLPATH, "readme.txt") ' expect: C:\Program Files\Hello\readme.txt
  PRINT DIRCAT("C:\App\", "\bin") ' expect: C:\App\bin
  PRINT DIRCAT("C:/App/", "x.dll") ' expect: C:/App/x.dll
  ' The sandbox loads no library, from the install disk or anywhere:
  ' REGSVR32 answers FALSE either way.
  PRINT REGSVR32("C:\App\x.dll", "register") ' expect: false
  PRINT REGSVR32("C:\App\x.dll", "") ' expect: false
  PRINT REGSVR32("A:\vorna-run", "R") ' expect: false
  PRINT REGSVR32("..\..\..\lib.dll", "U") ' expect: false
  PRINT DIRCAT(SPECIALFOLDER("DESKTOP", FALSE), "Tool.lnk") ' expect: C:\Users\User\Desktop\Tool.lnk
  ON ERROR GOTO TOOLONG
  INSTALLPATH = "C:\xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"
  PRINT INSTALLPATH ' expect: C:\xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx
  ' check: 17: error: INSTALLPATH holds at most 63 characters, not 64 (String Too Long)
  INSTALLPATH = "C:\xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxy"
  PRINT "never"
TOOLONG:
  ON ERROR GOTO 0
  PRINT "too long, kept "; INSTALLPATH ' expect: too long, kept C:\xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx
  ' A field takes text only (a CHARACTER is text); the functions check their arguments.
  DIM LETTER AS CHARACTER
  LETTER = "A"
  VERSION = LETTER
  PRINT VERSION ' expect: A
  ON ERROR RESUME NEXT
  INSTALLPATH = 5
  PRINT ERR.NUMBER; " "; INSTALLPATH ' expect: 33 C:\xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx
  X = DIRCAT("a", 2)
  PRINT ERR.NUMBER ' expect: 33
  Y = 1 / 0
  X = REGSVR32("C:\x.dll", 1)
  PRINT ERR.NUMBER ' expect: 33
  X = DIRCAT "a", "b") ' check: 7: error: 'DIRCAT' needs its arguments in parentheses
  PRINT ERR.NUMBER ' expect: 13
  Y = 1 / 0
  X = REGSVR32("C:\x.dll") ' check: 7: error: 'REGSVR32' takes 2 arguments, not 1
  PRINT ERR.NUMBER ' expect: 13
END SUB
