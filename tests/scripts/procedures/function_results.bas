' A FUNCTION's result is the local named as the function was called; a
' function comes before a global variable of its name.
DIM F AS LONG

SUB MAIN
  OPTION CONSOLE TRUE
  F = 5
  PRINT F(3) ' expect: 6
  X = F(1) + 1
  PRINT X ' expect: 3
  PRINT F(1) + F(2) ' expect: 6
  PRINT NOAS(5) ' expect: 50
  Y = 7
  Y = NEVER(1)
  PRINT Y ' expect: 7
  Y = ZERO()
  PRINT Y ' expect: 0
  PRINT TWO(1, 2) + 5 ' expect: 8
END SUB

FUNCTION F(A) AS LONG
  F = A * 2
END FUNCTION

' Without AS the assignment creates the result.
FUNCTION NOAS(A)
  NOAS = A * 10
END FUNCTION

' A function without AS that never assigns its name leaves the caller's
' value as it was; with AS its result is the declared initial value.
FUNCTION NEVER(A AS LONG)
END FUNCTION

FUNCTION TWO(A AS LONG, B AS LONG) AS LONG
  TWO = A + B
END FUNCTION

FUNCTION ZERO() AS LONG
END FUNCTION
