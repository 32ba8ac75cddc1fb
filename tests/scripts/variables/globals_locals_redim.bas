' Globals declared by DIM in the global area, locals by assignment, and
' REDIM, which always leaves a fresh local.
DIM G AS LONG
DIM T(2) AS STRING

SUB MAIN
  OPTION CONSOLE TRUE
  G = 5
  T(2) = "two"
  USEGLOBAL
  PRINT G; T(2) ' expect: 6two!
  NEWLOCAL
  PRINT L ' expect: 0
  SHADOW ' expect: local
  ' expect: 0
  PRINT G ' expect: 0
  REDIM A(3) AS LONG
  A(3) = 9
  REDIM A(2) AS LONG
  PRINT A(2) ' expect: 0
  ' Blanks inside the indices of an assigned element are allowed.
  I = 1
  A(I + 1) = 7
  PRINT A( 2 ) ' expect: 7
  DIM S AS STRING
  S = "12"
  PRINT S + "3" ' expect: 123
END SUB

SUB USEGLOBAL
  G = G + 1
  T(2) = T(2) + "!"
END SUB

SUB NEWLOCAL
  L = 3
END SUB

' REDIM of a global inside a procedure destroys the global and leaves a local.
SUB SHADOW
  REDIM G AS STRING
  G = "local"
  PRINT G
  CHECKGONE
END SUB

SUB CHECKGONE
  PRINT G
END SUB
