' IF errors: the condition must be BOOLEAN, THEN is required, END IF needs IF.
' answers: 4* error Ignore
' stderr: message: Type Mismatch Error
' stderr: message: If Without Then Error
' stderr: message: END IF without IF Error
' stderr: message: Unterminated Block Error
' stderr: procedure: LEAVE
' stderr: statement: END SUB
SUB MAIN
  OPTION CONSOLE TRUE
  IF 1 THEN PRINT "never"
  IF TRUE PRINT "never" ' check: error: expected THEN (IF condition THEN)
  END IF ' check: error: END IF without IF
  LEAVE
  PRINT "done" ' expect: done
END SUB

' Leaving a block IF with GOTO keeps its depth: END SUB is refused.
SUB LEAVE
  IF TRUE THEN
    GOTO OUT
  END IF
OUT:
END SUB
