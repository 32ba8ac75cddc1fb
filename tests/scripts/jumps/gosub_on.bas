' GOTO, GOSUB/RETURN and ON n GOTO/GOSUB with labels of the procedure.
SUB MAIN
  OPTION CONSOLE TRUE
  GOSUB SHOW
  PRINT "back" ' expect: sub
  ' expect: back
  GOSUB SHOW: PRINT "not resumed" ' check: warning: statements after GOSUB on this line never run
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
  EXIT SUB
SHOW:
  PRINT "sub"
  RETURN
ONE: PRINT "1";: RETURN
TWO: PRINT "2";: RETURN
THREE: PRINT "3";: RETURN
END SUB
