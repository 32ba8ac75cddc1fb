' MSGBOX with one, two and three arguments; BEEP, SLEEP.
' answers: msgbox OK
' answers: msgbox OK
' answers: msgbox OK
' stderr: [message box] "A:\
' stderr:   Just the text
' stderr: [message box] "Two" (exclamation icon)
' stderr: [message box] "My caption"
' stderr: [beep] 4294967295
SUB MAIN
  OPTION CONSOLE TRUE
  MSGBOX "Just the text"
  MSGBOX "With a caption", "My caption"
  MSGBOX "Three arguments", 48, "Two"
  BEEP
  SLEEP 0: SLEEP 1: SLEEP -5: PRINT "slept" ' expect: slept
  PRINT "done" ' expect: done
END SUB
