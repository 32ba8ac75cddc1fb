' Block IF with ELSEIF, ELSE, END IF and ENDIF, nested; the condition must be
' BOOLEAN, THEN is required, END IF needs IF.
' answers: 4* error Ignore
' stderr: message: Type Mismatch Error
' stderr: message: If Without Then Error
' stderr: message: END IF without IF Error
' stderr: message: Unterminated Block Error
' stderr: procedure: LEAVE
' stderr: statement: END SUB
SUB MAIN
  OPTION CONSOLE TRUE
  FOR I = 1 TO 4
    IF I = 1 THEN
      PRINT "one";
    ELSEIF I = 2 THEN
      PRINT "two";
    ELSEIF I = 3 THEN
      PRINT "three";
    ELSE
      PRINT "other";
    END IF
    PRINT " ";
  NEXT
  PRINT ' expect: one two three other 
  ' Nested blocks in a skipped branch are skipped whole; ENDIF closes too.
  IF FALSE THEN
    IF TRUE THEN
      PRINT "never"
    ELSE
      PRINT "never"
    ENDIF
    PRINT "never"
  ELSE
    IF TRUE THEN
      PRINT "inner"
    ENDIF
  END IF
  ' expect: inner
  ' A bare END inside a skipped branch does not end anything.
  IF FALSE THEN
    END
  END IF
  PRINT "still running" ' expect: still running
  ' A true branch followed by ELSE skips to END IF.
  IF TRUE THEN
    PRINT "yes"
  ELSE
    PRINT "never"
  END IF
  ' expect: yes
  ' Depth is balanced, so END SUB works after the blocks.
  NESTED 5 ' expect: five
  IF 1 THEN PRINT "never"
  IF TRUE PRINT "never" ' check: 11: error: expected THEN (IF condition THEN)
  END IF ' check: 3: error: END IF without IF
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

SUB NESTED(N AS LONG)
  IF N > 0 THEN
    IF N = 5 THEN
      PRINT "five"
      EXIT SUB
    END IF
  END IF
END SUB
