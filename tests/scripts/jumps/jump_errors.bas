' Misused jumps raise their errors; Ignore goes on with the next line.
' answers: 5* error Ignore
' stderr: message: Illegal Use Error
' stderr: statement: ON 3 GOTO A, B
' stderr: message: Illegal Value Error
' stderr: message: Return Without Gosub Error
' stderr: message: Undefined Label Error
' stderr: statement: ON 1 BOGUS A
SUB MAIN
  OPTION CONSOLE TRUE
  ON 3 GOTO A, B
  ON 0 GOTO A
  RETURN
  GOTO NOWHERE ' check: error: unknown label 'NOWHERE'
  ON 1 BOGUS A ' check: error: expected GOTO or GOSUB after the index of ON
  PRINT "done" ' expect: done
  ON 1 GOSUB A
  PRINT "back" ' expect: a
  ' expect: back
  EXIT SUB
A: PRINT "a": RETURN
B: PRINT "b"
END SUB
