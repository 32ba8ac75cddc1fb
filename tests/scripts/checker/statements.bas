' The checker names each mistaken statement at its line and column: words
' that cannot start a statement, the operands of each statement and the
' headers of procedures. The mistakes stand in procedures MAIN never calls,
' so the run itself is clean and prints nothing.
' Only the sandbox run compares the checker's diagnostics: the script runs there.
' host: sandbox
DIM T(2) AS LONG
SUB MAIN
END SUB
SUB WRITEUNINSTALLKEY(K)
END SUB
SUB WORDS
  WRITEUNINSTALKEY "A" ' check: 3: error: unknown statement or procedure 'WRITEUNINSTALKEY' (did you mean 'WRITEUNINSTALLKEY'?)
  LEN = 5 ' check: 3: error: 'LEN' is a function, not a statement
  TO ' check: 3: error: 'TO' is a clause word, not a statement
  CLS ' check: 3: error: 'CLS' is not available: it raises error 27 Functionality Not Implemented
  CONST A = 1 ' check: 3: error: 'CONST' is not available: it raises error 27 Functionality Not Implemented
  ASKDRIVE ' check: 3: error: 'ASKDRIVE' is a value, not a statement: use it in an expression, as in IF ASKDRIVE = FALSE THEN END
  ASKDRIVE = TRUE ' check: 3: error: 'ASKDRIVE' cannot be assigned
  CALCSPACE = 1 ' check: 3: error: 'CALCSPACE' cannot be assigned
  ' check: 10: error: an apostrophe after ':' starts no comment: write REM
  X = 1: ' no comment
  A(1) = 5 ' check: 3: error: 'A' is no array: declare it first, as in DIM A(10) AS LONG
  (X) = 1 ' check: 3: error: a statement cannot start with '('
END SUB
SUB OPERANDS
  ' check: 18: error: ON ERROR is followed by GOTO label, GOTO 0 or RESUME NEXT
  ON ERROR RESUME
  ' check: 13: error: expected a label
  ON X GOSUB
  FOR = 1 TO 2 ' check: 8: error: expected the loop variable
  FOR I 1 TO 2 ' check: 9: error: expected '=' after the loop variable
  NEXT
  SELECT X ' check: 10: error: expected CASE (SELECT CASE value)
  ' check: 7: error: GOTO needs a label
  GOTO
  LSET = 1 ' check: 8: error: expected the name of a variable
  ' check: 1: error: END SUB with the SELECT CASE of line 34 still open (missing END CASE?)
  ' check: 1: error: END SUB with the FOR of line 31 still open (missing NEXT?)
END SUB
SUB MOREOPERANDS
  ' check: 6: error: expected the name of a variable
  DIM
  DIM M(1, 2, 3, 4) AS LONG ' check: 20: error: an array has 1 to 3 bounds
  ' check: 11: error: expected a type after AS
  DIM N AS
  GET #1, , 5 ' check: 13: error: expected the variable to read into
  INPUT #1, 5 ' check: 13: error: expected the name of a variable
  ' check: 14: error: expected ')'
  PRINT TAB(1; "x"
  X = T(1, 2, 3, 4) ' check: 7: error: an element of 'T' has 1 to 3 indices
  LET = 5 ' check: 7: error: expected the name of a variable
END SUB
SUB A(1) ' check: 8: error: expected the name of a parameter
END SUB
SUB B(X Y) ' check: 9: error: expected AS and a type, as in DIM COUNT AS LONG
END SUB
FUNCTION C(X) AS LONG EXTRA ' check: 23: warning: text after the procedure header is ignored
END FUNCTION
SUB D(X AS ANY) ' check: 12: error: 'ANY' is no type
END SUB
