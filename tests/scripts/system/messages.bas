' MSGBOX with one, two and three arguments, and a text of several lines; BEEP, SLEEP.
' answers: 4* msgbox OK
' stderr: [message box] "A:\
' stderr:   Just the text
' stderr: [message box] "Two" (exclamation icon)
' stderr: [message box] "My caption"
' stderr: [beep] 4294967295
' stderr:   second line after CR LF
' stderr:   third line after LF
SUB MAIN
  OPTION CONSOLE TRUE
  MSGBOX "Just the text"
  MSGBOX "With a caption", "My caption"
  MSGBOX "Three arguments", 48, "Two"
  MSGBOX "first" & CHR(13) & CHR(10) & "second line after CR LF" & CHR(10) & "third line after LF"
  BEEP
  SLEEP 0: SLEEP 1: SLEEP -5: PRINT "slept" ' expect: slept
  PRINT "done" ' expect: done
END SUB
