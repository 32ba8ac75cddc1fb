' SPECIALFOLDER: names in any case, the all-users flag, unknown names.
' answers: error Ignore
' answers: error Ignore
' stderr: message: Type Mismatch Error
' stderr: message: Illegal Use Error
' host: sandbox
SUB MAIN
  OPTION CONSOLE TRUE
  PRINT SPECIALFOLDER("DESKTOP") ' expect: C:\Users\Public\Desktop
  PRINT SPECIALFOLDER("desktop", TRUE) ' expect: C:\Users\Public\Desktop
  PRINT SPECIALFOLDER("Desktop", FALSE) ' expect: C:\Users\User\Desktop
  PRINT SPECIALFOLDER("programs") ' expect: C:\ProgramData\Microsoft\Windows\Start Menu\Programs
  PRINT SPECIALFOLDER("Start Menu", FALSE) ' expect: C:\Users\User\AppData\Roaming\Microsoft\Windows\Start Menu
  PRINT SPECIALFOLDER("FONTS", TRUE) ' expect: C:\Windows\Fonts
  PRINT SPECIALFOLDER("Personal") ' expect: C:\Users\User\Documents
  PRINT SPECIALFOLDER("history") ' expect: C:\Users\User\AppData\Local\Microsoft\Windows\History
  PRINT "[" & SPECIALFOLDER("RECIENT") & "]" ' expect: []
  ' check: 29: warning: unknown special folder 'MYFOLDER': SPECIALFOLDER answers ""
  PRINT "[" & SPECIALFOLDER("MYFOLDER") & "]" ' expect: []
  ' check: 29: warning: unknown special folder '': SPECIALFOLDER answers ""
  PRINT "[" & SPECIALFOLDER("") & "]" ' expect: []
  DIM P AS STRING
  P = SPECIALFOLDER("SENDTO", FALSE) & "\X.LNK"
  PRINT P ' expect: C:\Users\User\AppData\Roaming\Microsoft\Windows\SendTo\X.LNK
  PRINT SPECIALFOLDER("DESKTOP", 1)
  PRINT SPECIALFOLDER "DESKTOP" ' check: 9: error: 'SPECIALFOLDER' needs its arguments in parentheses
  ON ERROR RESUME NEXT
  DIM N AS LONG
  N = SPECIALFOLDER("DESKTOP")
  PRINT ERR.NUMBER ' expect: 33
  Y = 1 / 0
  X = SPECIALFOLDER(5)
  PRINT ERR.NUMBER ' expect: 33
  X = SPECIALFOLDER("DESKTOP" ' check: 31: error: expected ',' or ')'
  PRINT ERR.NUMBER ' expect: 13
  Y = 1 / 0
  X = SPECIALFOLDER("DESKTOP" FALSE) ' check: 31: error: expected ',' or ')'
  PRINT ERR.NUMBER ' expect: 13
  ' A longer word is some other name.
  ' check: 9: error: unknown function or array 'SPECIALFOLDERS' (did you mean 'SPECIALFOLDER'?)
  PRINT SPECIALFOLDERS("DESKTOP") ' expect: 0
  PRINT "done" ' expect: done
END SUB
