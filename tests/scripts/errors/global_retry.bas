' Retry in a global area makes the start-up fail: CAN'T EXECUTE PROGRAM.
' answers: error Retry
' answers: msgbox OK
' exit: 1
' stderr: procedure: <GLOBAL>
' stderr: message: Expected AS Keyword Error
' stderr: CAN'T EXECUTE PROGRAM
DIM A ' check: 7: error: expected AS and a type, as in DIM COUNT AS LONG

SUB MAIN
  OPTION CONSOLE TRUE
  PRINT "never"
END SUB
