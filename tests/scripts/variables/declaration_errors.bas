' Declaration errors; a failed DIM keeps the names declared before the error.
' answers: 7* error Ignore
' stderr: message: Expected AS Keyword Error
' stderr: message: Invalid Type Error
' stderr: message: Dim Statement Error
' stderr: message: Variable Already Defined Error
' stderr: message: Invalid Use of Keyword Error
' stderr: statement: OPTION BASE 1
' stderr: statement: DIM A AS LONG, B
DIM GLOBALONE AS LONG

SUB MAIN
  OPTION CONSOLE TRUE
  DIM X ' check: 9: error: expected AS and a type, as in DIM COUNT AS LONG
  DIM X AS FOO ' check: 12: error: unknown type 'FOO'
  DIM X(0) AS LONG
  DIM GLOBALONE AS LONG
  DIM PRINT AS LONG ' check: 7: error: 'PRINT' is a keyword and cannot name a variable
  OPTION BASE 1 ' check: 10: error: OPTION knows only CONSOLE: OPTION CONSOLE TRUE
  DIM A AS LONG, B ' check: 20: error: expected AS and a type, as in DIM COUNT AS LONG
  A = 4
  PRINT A ' expect: 4
END SUB
