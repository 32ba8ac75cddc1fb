' Misused loop statements raise their errors; Ignore goes on.
' answers: error Ignore
' answers: error Ignore
' answers: error Ignore
' answers: error Ignore
' answers: error Ignore
' answers: error Ignore
' stderr: message: Illegal Use Error
' stderr: statement: FOR I = 1 TO 3 STEP 0
' stderr: message: For Without To Error
' stderr: message: Next Without For Error
' stderr: message: Wend Without While Error
' stderr: statement: LOOP
' stderr: statement: LOOP WHILE X
SUB MAIN
  OPTION CONSOLE TRUE
  FOR I = 1 TO 3 STEP 0
  FOR I = 1 UPTO 3
  NEXT
  WEND
  LOOP
  X = TRUE
  DO WHILE X
    X = FALSE
  LOOP WHILE X
  PRINT "done" ' expect: done
END SUB
