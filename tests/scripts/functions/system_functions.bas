' ENVIRON, MSGBOX as a function, and SHELL, which the sandbox refuses.
' answers: msgbox Yes
' answers: msgbox OK
' answers: msgbox OK
' stderr: [message box] "Question"
' stderr: Continue?
' stderr: buttons: Yes/No
' stderr: [message box] "Caption"
' stderr: [message box] "A:\
' stderr: [shell] not started in the sandbox: notepad.exe
' host: sandbox
SUB MAIN
  OPTION CONSOLE TRUE
  PRINT "["; ENVIRON("VORNA_SURELY_NOT_SET"); "]" ' expect: []
  PRINT ENVIRON$("PA" & "TH") <> "" ' expect: true
  PRINT MSGBOX("Continue?", 4 + 32, "Question") ' expect: 6
  PRINT MSGBOX("Plain") ' expect: 1
  PRINT MSGBOX("Two", "Caption") ' expect: 1
  ON ERROR RESUME NEXT
  X = MSGBOX("Text", 1)
  PRINT ERR.NUMBER ' expect: 33
  X = MSGBOX "Text" ' check: 14: error: 'MSGBOX' needs its arguments in parentheses
  PRINT ERR.NUMBER ' expect: 13
  X = SHELL("notepad.exe", 1)
  PRINT ERR.NUMBER ' expect: 48
  X = SHELL("notepad.exe", 7)
  PRINT ERR.NUMBER ' expect: 15
END SUB
