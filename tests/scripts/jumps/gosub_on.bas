' GOTO, GOSUB/RETURN and ON n GOTO/GOSUB with labels of the procedure;
' misused jumps raise their errors, and Ignore goes on with the next line.
' answers: 5* error Ignore
' stderr: message: Illegal Use Error
' stderr: statement: ON 3 GOTO NOPE, HERE
' stderr: message: Illegal Value Error
' stderr: message: Return Without Gosub Error
' stderr: message: Undefined Label Error
' stderr: statement: ON 1 BOGUS ONE
SUB MAIN
  OPTION CONSOLE TRUE
  GOSUB SHOW
  PRINT "back" ' expect: sub
  ' expect: back
  GOSUB SHOW: PRINT "not resumed" ' check: 13: warning: statements after GOSUB on this line never run
  ' expect: sub
  FOR I = 1 TO 3
    ON I GOSUB ONE, TWO, THREE
  NEXT
  PRINT ' expect: 123
  ON 2 GOTO NOPE, HERE
  PRINT "never"
NOPE:
  PRINT "never"
HERE:
  PRINT "here" ' expect: here
  GOTO DONE
  PRINT "never"
DONE: PRINT "done" ' expect: done
  ON 3 GOTO NOPE, HERE
  ON 0 GOTO NOPE
  RETURN
  GOTO NOWHERE ' check: 8: error: unknown label 'NOWHERE'
  ON 1 BOGUS ONE ' check: 8: error: expected GOTO or GOSUB after the index of ON
  PRINT "went on" ' expect: went on
  EXIT SUB
SHOW:
  PRINT "sub"
  RETURN
ONE: PRINT "1";: RETURN
TWO: PRINT "2";: RETURN
THREE: PRINT "3";: RETURN
END SUB
