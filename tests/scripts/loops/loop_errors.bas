' Misused loop statements raise their errors; Ignore goes on.
' answers: 6* error Ignore
' stderr: message: Illegal Use Error
' stderr: statement: FOR I = 1 TO 3 STEP 0
' stderr: message: For Without To Error
' stderr: message: Next Without For Error
' stderr: message: Wend Without While Error
' stderr: statement: LOOP
' stderr: statement: LOOP WHILE X
SUB MAIN
  OPTION CONSOLE TRUE
  FOR I = 1 TO 3 STEP 0 ' check: error: a STEP of 0 raises Illegal Use
  FOR I = 1 UPTO 3 ' check: error: expected TO (FOR I = 1 TO 10)
  NEXT
  WEND ' check: error: WEND without WHILE
  LOOP ' check: error: LOOP without DO
  X = TRUE
  DO WHILE X
    X = FALSE
  LOOP WHILE X ' check: error: conditions on both DO (line 18) and LOOP raise Illegal Use
  PRINT "done" ' expect: done
END SUB ' check: error: END SUB with the FOR of line 12 still open (missing NEXT?)
