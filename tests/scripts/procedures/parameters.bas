' BYVAL and BYREF parameters, untyped parameters and the call forms; binding
' errors are raised in the caller's statement, and Ignore goes on.
' answers: 3* error Ignore
' stderr: message: Undefined Variable Error
' stderr: message: Not Enough Parameters Error
' stderr: message: Syntax Error
' stderr: procedure: MAIN
DIM G AS LONG

SUB MAIN
  OPTION CONSOLE TRUE
  Y = 1
  BUMP Y
  PRINT Y ' expect: 2
  BUMP(Y)
  PRINT Y ' expect: 3
  CALL BUMP(Y)
  PRINT Y ' expect: 4
  KEEP Y
  PRINT Y ' expect: 4
  SHOW 1, "two"
  SHOW(3, "four")
  CALL SHOW(5, "six")
  ' expect: 1 two
  ' expect: 3 four
  ' expect: 5 six
  ' An untyped parameter takes the argument's type.
  PRINT KIND(1.5) ' expect: 3
  PRINT KIND("AB") ' expect: ABAB
  G = 10
  BUMP G
  PRINT G ' expect: 11
  ' An array is passed by reference whole (written with any index).
  DIM A(3) AS LONG
  A(2) = 40
  BUMPSECOND A(1)
  PRINT A(2) ' expect: 41
  ' A write through a BYREF parameter converts into the source's type.
  DIM LV AS LONG
  SETHALF LV
  T = "old"
  SETTEXT T
  PRINT LV; " "; T ' expect: 41 new
  ' A procedure's own variables are its own.
  Z = 100
  LOCALS ' expect: 0
  PRINT Z ' expect: 100
  LOCALS ' expect: 0
  BUMP 5 ' check: 8: error: BYREF parameter X of BUMP needs a variable
  BUMP ' check: 3: error: 'BUMP' takes 1 argument, not 0
  NOSUCH 1 ' check: 3: error: unknown statement or procedure 'NOSUCH'
  PRINT "done" ' expect: done
END SUB

SUB BUMP(BYREF X AS LONG)
  X = X + 1
END SUB

SUB KEEP(BYVAL X AS LONG)
  X = X + 100
END SUB

SUB SHOW(N AS LONG, T AS STRING)
  PRINT N; " "; T
END SUB

FUNCTION KIND(V)
  KIND = V + V
END FUNCTION

SUB LOCALS
  PRINT Z
  Z = 5
END SUB

SUB SETHALF(BYREF X)
  X = 41.9
END SUB

SUB SETTEXT(BYREF S AS STRING)
  S = "new"
END SUB

SUB BUMPSECOND(BYREF ARR AS LONG)
  ARR(2) = ARR(2) + 1
END SUB
