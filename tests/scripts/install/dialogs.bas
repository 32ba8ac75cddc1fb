' Each install dialog's Cancel asks the quit question: No stays in the
' dialog, Yes ends it with FALSE and leaves the install path as it was.
' answers: license Cancel
' answers: quit No
' answers: license Agree
' answers: license Cancel
' answers: quit Yes
' answers: drive Cancel
' answers: quit No
' answers: drive C
' answers: drive Cancel
' answers: quit Yes
' answers: path Cancel
' answers: quit No
' answers: path OK C:\Apps\Hello
' answers: path Cancel
' answers: quit Yes
' exit: 1
' stderr: copy failed: there is no file set
' stderr: [licence dialog] "License Agreement"
' stderr: [quit question] "Vorna"
' stderr: If you quit now this process will not complete.  Are you sure?
' stderr: answer: No (answers file line 2)
' stderr: [drive dialog] "Hello Setup"
' stderr: NOTE: Program requires 0 bytes of drive space.
' stderr: [path dialog] "Hello Setup"
' stderr: path: D:\Other
' stderr: answer: OK "C:\Apps\Hello" (answers file line 13)
' stderr: [backdrop] shown
' stderr: [backdrop] hidden
SUB MAIN
  OPTION CONSOLE TRUE
  INSTALLNAME = "Hello Setup"
  INSTALLPATH = "D:\Apps\Hello"
  BACKDROP TRUE
  PRINT ASKLICENSE("TEST.BAS") = TRUE ' expect: true
  PRINT ASKLICENSE("TEST.BAS") ' expect: false
  PRINT ASKDRIVE = TRUE ' expect: true
  PRINT INSTALLPATH ' expect: C:\Apps\Hello
  INSTALLPATH = "D:\Other"
  PRINT ASKDRIVE ' expect: false
  PRINT INSTALLPATH ' expect: D:\Other
  PRINT ASKPATH = TRUE ' expect: true
  PRINT INSTALLPATH ' expect: C:\Apps\Hello
  PRINT ASKPATH ' expect: false
  PRINT INSTALLPATH ' expect: C:\Apps\Hello
  ' Plain files carry no file set: no progress dialog, and FALSE.
  PRINT COPYFILES ' expect: false
  BACKDROP 1 = 2
END SUB
