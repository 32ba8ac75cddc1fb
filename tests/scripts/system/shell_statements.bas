' SETREGISTRY and CREATELINK: which failures become script errors.
' answers: 4* error Ignore
' stderr: message: Illegal Use Error
' stderr: statement: SETREGISTRY "", "N", "V"
' stderr: statement: SETREGISTRY "HKEY_CURRENT_USER\Software\X" "N", "V"
' stderr: statement: SETREGISTRY "HKEY_CURRENT_USER\Software\X", "N"
' stderr: statement: CREATELINK "C:\A.EXE" "C:\A.LNK", "A"
' stderr: shortcut C:\Made\A.lnk -> C:\A.EXE "Made by the script"
SUB MAIN
  OPTION CONSOLE TRUE
  SETREGISTRY "", "N", "V"
  SETREGISTRY "HKEY_CURRENT_USER\Software\X" "N", "V" ' check: 46: error: expected ','
  SETREGISTRY "HKEY_CURRENT_USER\Software\X", "N" ' check: 51: error: expected ','
  CREATELINK "C:\A.EXE" "C:\A.LNK", "A" ' check: 25: error: expected ','
  ON ERROR RESUME NEXT
  CREATELINK "C:\A.EXE", "C:\NO\SUCH\A.LNK", "A": PRINT "a link that fails is no error" ' expect: a link that fails is no error
  SETREGISTRY "HKEY_CURRENT_USER\Software\X\Y\Z", "", "V": PRINT "written" ' expect: written
  MKDIR "C:\Made": CREATELINK "C:\A.EXE", "C:\Made\A.lnk", "Made by the script": PRINT "linked" ' expect: linked
  PRINT "done" ' expect: done
END SUB
