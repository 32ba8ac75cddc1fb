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
  ' check: warning: unknown special folder 'MYFOLDER': SPECIALFOLDER answers ""
  PRINT "[" & SPECIALFOLDER("MYFOLDER") & "]" ' expect: []
  ' check: warning: unknown special folder '': SPECIALFOLDER answers ""
  PRINT "[" & SPECIALFOLDER("") & "]" ' expect: []
  DIM P AS STRING
  P = SPECIALFOLDER("SENDTO", FALSE) & "\X.LNK"
  PRINT P ' expect: C:\Users\User\AppData\Roaming\Microsoft\Windows\SendTo\X.LNK
  PRINT SPECIALFOLDER("DESKTOP", 1)
  PRINT SPECIALFOLDER "DESKTOP" ' check: error: 'SPECIALFOLDER' needs its arguments in parentheses
  PRINT "done" ' expect: done
END SUB
