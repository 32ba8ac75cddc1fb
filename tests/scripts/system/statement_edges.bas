' The system statements' argument types and edges: KILL, NAME, MKDIR, MSGBOX,
' SLEEP and SETREGISTRY. The sandbox's second write of its registry file
' fails (counted from the program's start: the first stores the new key K,
' the second would store the value N in it): SETREGISTRY raises a disk error
' and the value is not there; the next write goes through.
' faults: registrywrite:2
' answers: msgbox OK
' stderr: [message box] "Bits"
SUB MAIN
  OPTION CONSOLE TRUE
  ON ERROR RESUME NEXT
  SETREGISTRY "HKEY_USERS\K", "N", "V"
  PRINT ERR.NUMBER ' expect: 48
  V = "kept"
  V = REGISTRY("HKEY_USERS\K", "N")
  PRINT ERR.NUMBER; " "; V ' expect: 13 kept
  Y = 1 / 0
  SETREGISTRY "HKEY_USERS\K", "N", "W"
  PRINT ERR.NUMBER; " "; REGISTRY("HKEY_USERS\K", "N") ' expect: 6 W
  SETREGISTRY "HKEY_USERS\K", "N", 5
  PRINT ERR.NUMBER ' expect: 33
  Y = 1 / 0
  KILL 5
  PRINT ERR.NUMBER ' expect: 33
  NAME "C:\TEST.BAS", "C:\NEW.BAS" ' check: 21: error: expected AS: NAME old AS new
  PRINT ERR.NUMBER ' expect: 13
  OPEN "C:\FILE" FOR OUTPUT AS #1
  CLOSE #1
  Y = 1 / 0
  MKDIR "C:\FILE\SUB"
  MKDIR ""
  PRINT ERR.NUMBER ' expect: 6
  MSGBOX "Text", 48
  PRINT ERR.NUMBER ' expect: 33
  Y = 1 / 0
  MSGBOX "Text", "48", "Caption"
  PRINT ERR.NUMBER ' expect: 33
  Y = 1 / 0
  MSGBOX 1
  PRINT ERR.NUMBER ' expect: 33
  Y = 1 / 0
  MSGBOX "Text", 48, 49
  PRINT ERR.NUMBER ' expect: 33
  Y = 1 / 0
  SLEEP "1"
  PRINT ERR.NUMBER ' expect: 33
  ON ERROR GOTO 0
  MSGBOX "Wide", 65535, "Bits"
  PRINT "done" ' expect: done
END SUB
