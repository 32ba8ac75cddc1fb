' The checker names each mistaken expression or call at its line and column:
' argument counts and forms of the built-in functions, of the install
' object's words and of the script's own procedures, and the operands the
' evaluator would misread. CORRECT holds forms that check clean. The mistakes
' stand in procedures MAIN never calls, so the run itself is clean and prints
' nothing.
' Only the sandbox run compares the checker's diagnostics: the script runs there.
' host: sandbox
DIM T(3) AS STRING
SUB MAIN
END SUB
SUB BUILTINS
  X = MID("a", 1, 2, 3) ' check: 7: error: 'MID' takes 2 or 3 arguments, not 4
  X = LEN("a", "b") ' check: 7: error: 'LEN' takes 1 argument, not 2
  X = FREEFILE() ' check: 15: error: 'FREEFILE' takes no parentheses
  X = A AND NOT B ' check: 13: error: NOT applies only at the start of an expression: put it in parentheses, as in A AND (NOT B)
  X = IS ' check: 7: error: IS stands only in CASE IS
  ' check: 13: error: missing ')'
  X = (1 + 2
  ' check: 10: error: expected a value
  X = 1 +
  X = 2 * -Y ' check: 11: error: a sign inside an expression belongs to a number only: -Y reads as 0 here (write (-Y))
  X = FOO(1) ' check: 7: error: unknown function or array 'FOO'
  PRINT LEN("A")) ' check: 17: error: ')' without its '('
END SUB
SUB CALLS
  X = TWICE() ' check: 7: error: 'TWICE' takes 1 argument, not 0
  X = TWICE(1, 2) ' check: 7: warning: 'TWICE' takes 1 argument: the extra argument is not read
  X = SHOW(1) ' check: 7: warning: 'SHOW' is a SUB: it gives no value
  CALL NOSUCH(1) ' check: 8: error: CALL of 'NOSUCH', which is no SUB or FUNCTION
  X = TWICE 3 + 1
  Y = TWICE ' check: 7: error: 'TWICE' takes 1 argument, not 0
END SUB
FUNCTION TWICE(N)
  TWICE = N * 2
END FUNCTION
SUB SHOW(N)
END SUB
SUB INSTALLWORDS
  X = CALCSPACE ' check: 7: error: 'CALCSPACE' is a statement, not a value: in an expression it reads as 0
  X = ASKDRIVE() ' check: 15: error: 'ASKDRIVE' takes no arguments
  X = SPECIALFOLDER("DESKTOPP") ' check: 21: warning: unknown special folder 'DESKTOPP': SPECIALFOLDER answers "" (did you mean 'DESKTOP'?)
  DIM D AS STDFILE
  X = E.FILE ' check: 7: warning: 'E' is not declared AS STDFILE: 'E.FILE' reaches no member
  D.GETSAVENAME = 1 ' check: 5: error: 'GETSAVENAME' of a STDFILE object cannot be assigned
END SUB
SUB CORRECT
  DIM D AS STDFILE
  X = D.FILE & T(1) & CHR$(65) + LEFT$("ab", 1) + MID("abc", 2)
  IF X <> "" AND (NOT D.GETOPENNAME) THEN X = ERR.DESCRIPTION
  X = 2 ^ -1 + -3 + RND() * FREEFILE
  SELECT CASE X
  CASE IS > 5, 1 TO 3, "a"
  END CASE
  X = SPECIALFOLDER("desktop", TRUE) + DIRCAT(INSTALLPATH, "A")
  X = SHOWFILE(D)
END SUB
FUNCTION SHOWFILE(BYREF F AS STDFILE)
  SHOWFILE = F.TITLE
END FUNCTION
