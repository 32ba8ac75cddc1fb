' Malformed blocks: END SUB inside a skipped block, NEXT and WEND against the
' wrong loop, EXIT WHILE and a bare RESUME; the skipping scanner keeps the
' depth of nested blocks and still runs the conditions of nested IFs.
' answers: 8* error Ignore
' stderr: message: Unterminated Block Error
' stderr: statement: END SUB
' stderr: statement: END FUNCTION
' stderr: procedure: NEXTINWHILE
' stderr: message: Next Without For Error
' stderr: procedure: WENDINFOR
' stderr: message: Wend Without While Error
' stderr: message: END IF without IF Error
' stderr: statement: EXIT WHILE
' stderr: statement: RESUME NEXT
' stderr: message: Invalid Use of Keyword Error
SUB MAIN
  OPTION CONSOLE TRUE
  SKIPPEDWHILE
  SKIPPEDIF
  NEXTINWHILE
  WENDINFOR
  EXITWHILE
  RESUME NEXT ' check: 3: error: RESUME is no statement: only ON ERROR RESUME NEXT reads it
  LEAVEFOR ' expect: 2
  SKIPPEDNEST ' expect: noted
  ' expect: after
  UNCLOSED
  PRINT "done" ' expect: done
END SUB

SUB SKIPPEDWHILE
  WHILE FALSE
  END SUB ' check: 3: error: END SUB with the WHILE of line 32 still open (missing WEND?)
  WEND ' check: 3: error: WEND without WHILE
END SUB

FUNCTION SKIPPEDIF
  IF FALSE THEN
    X = 1
  END FUNCTION ' check: 3: error: END FUNCTION with the IF of line 38 still open (missing END IF?)
  END IF ' check: 3: error: END IF without IF
END FUNCTION

SUB NEXTINWHILE
  WHILE TRUE
  NEXT ' check: 3: error: NEXT without FOR
END SUB ' check: 1: error: END SUB with the WHILE of line 45 still open (missing WEND?)

SUB WENDINFOR
  FOR I = 1 TO 2
  WEND ' check: 3: error: WEND without WHILE
END SUB ' check: 1: error: END SUB with the FOR of line 50 still open (missing NEXT?)

SUB EXITWHILE
  WHILE N < 1
    N = N + 1
    EXIT WHILE ' check: 5: error: EXIT WHILE is no statement: EXIT FOR, EXIT DO, EXIT SUB or EXIT FUNCTION
  WEND
END SUB

' EXIT FOR out of a block IF closes the IF: END SUB is accepted.
SUB LEAVEFOR
  FOR I = 1 TO 3
    IF I = 2 THEN
      EXIT FOR
    END IF
  NEXT
  PRINT I
END SUB

SUB SKIPPEDNEST
  FOR I = 1 TO 0
    IF TRUE THEN
      X = 1
    END IF
  NEXT
  IF FALSE THEN
    IF NOTE(1) THEN
    END IF
  END IF
  PRINT "after"
END SUB

FUNCTION NOTE(N AS LONG) AS BOOLEAN
  PRINT "noted"
  NOTE = TRUE
END FUNCTION

' The scan of a block that is never closed runs out of lines: no error, and
' nothing after it runs.
SUB UNCLOSED
  WHILE FALSE ' check: 3: error: WHILE without WEND before the end of UNCLOSED
  PRINT "never"
