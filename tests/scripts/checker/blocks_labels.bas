' The checker names each mistaken block or jump at its line and column: a
' closer that does not match names the line of the block left open, and a
' jump finds its label only in its own procedure. Blocks on one line and
' early returns check clean. The mistakes stand in procedures MAIN never
' calls, so the run itself is clean and prints nothing.
' Only the sandbox run compares the checker's diagnostics: the script runs there.
' host: sandbox
SUB MAIN
END SUB
SUB CLOSERS
  WHILE X
    DO
  WEND ' check: 3: error: WEND closes the WHILE of line 11, but the DO of line 12 is still open (missing LOOP?)
  ENDIF ' check: 3: error: ENDIF without IF
  END CASE ' check: 3: error: END CASE without SELECT CASE
  ELSE ' check: 3: error: ELSE without IF
  ELSEIF X THEN ' check: 3: error: ELSEIF without IF
  CASE 1 ' check: 3: error: CASE without SELECT CASE
END SUB
SUB BRANCHES
  IF X THEN
    FOR I = 1 TO 2
  ELSE ' check: 3: error: ELSE inside the FOR of line 22, which is still open (missing NEXT?)
  END IF
  IF X THEN
  ELSE
  ELSE ' check: 3: error: ELSE after the ELSE of the IF of line 25
  ELSEIF Y THEN ' check: 3: error: ELSEIF after the ELSE of the IF of line 25
  END IF
  IF X THEN
  ELSEIF Y THEN PRINT 1 ' check: 17: error: ELSEIF must end its line after THEN
  ' check: 11: error: expected THEN (ELSEIF condition THEN)
  ELSEIF Z
  END IF
  SELECT CASE X
  CASE 1
  END SELECT ' check: 3: error: END SELECT does not close SELECT CASE: write END CASE (END SELECT returns from the procedure)
  IF X THEN PRINT 1: ELSEWHERE = 2 ' check: 22: warning: the false branch of this IF runs what follows the letters ELSE here
  IF X THEN PRINT 1 ELSE PRINT 2
  IF X THEN PRINT 1 ELSEIF Y THEN PRINT 2
END SUB
SUB LOOPS
  DO UNTILL X ' check: 6: error: expected WHILE or UNTIL
  LOOP
  EXIT FOR ' check: 3: error: EXIT FOR outside a FOR loop
  DO
    FOR I = 1 TO 2
      EXIT DO ' check: 7: error: EXIT DO inside the FOR of line 47, which it cannot leave
    NEXT
  LOOP
  ' check: 3: error: EXIT is followed by FOR, DO, SUB or FUNCTION
  EXIT
END SUB
SUB ENDS
  IF X THEN
    IF Y THEN END SUB ' check: 15: error: END SUB inside the block IF of line 55 raises Unterminated Block: use EXIT SUB
  END IF
  IF X THEN END ELSE PRINT 1 ' check: 13: warning: END with more after it on its line returns from the procedure instead of ending the program
  END: PRINT 2 ' check: 3: warning: END with more after it on its line returns from the procedure instead of ending the program
  END PROGRAM ' check: 3: error: END PROGRAM is no statement: END alone ends the program, END SUB returns
END SUB
FUNCTION F
END SUB ' check: 1: warning: FUNCTION F ends with END SUB
SUB OTHERENDS
END FUNCTION ' check: 1: warning: SUB OTHERENDS ends with END FUNCTION
SUB ONELINE
  FOR I = 1 TO 3: PRINT I: NEXT
  IF X THEN FOR J = 1 TO 2: PRINT J: NEXT
  WHILE X: WEND
  IF X THEN EXIT SUB
  FOR K = 1 TO 2
    IF K = 2 THEN END SUB
  NEXT
END SUB
SUB JUMPS
  GOTO DONE
  GOSUB TOP ' check: 9: error: unknown label 'TOP'
  ON ERROR GOTO HANDLR ' check: 17: error: unknown label 'HANDLR' (did you mean 'HANDLER'?)
  ON X GOTO DONE, MISSING ' check: 19: error: unknown label 'MISSING'
  GOTO DNOE ' check: 8: error: unknown label 'DNOE' (did you mean 'DONE'?)
  IF X THEN 100
  IF X THEN 200 ' check: 13: error: unknown label '200' (did you mean '100'?)
  ON ERROR GOTO 0
HANDLER:
DONE:
100: PRINT
END SUB
SUB OTHER
INNER:
END SUB
TOP:
