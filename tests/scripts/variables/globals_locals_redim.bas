' Globals declared by DIM in the global area, locals by assignment, and
' REDIM, which always leaves a fresh local; MAIN runs from start-up without
' reading its header's parameters.
DIM G AS LONG, T(2) AS STRING

SUB MAIN(IGNORED AS LONG) AS LONG ' check: 5: warning: MAIN gets no arguments when the setup starts: its parameters stay empty
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
  ' A known variable keeps its type; the first assignment types a new one.
  DIM IV AS INTEGER
  IV = 70000
  X = 5
  PRINT IV; " "; X / 2 ' expect: 4464 2.5
  ' The right side selects another element; the store goes to the left one.
  A(1) = A(2) + 1
  PRINT A(1); A(2) ' expect: 87
  ON ERROR RESUME NEXT
  ' A failed assignment creates nothing: the later one types the variable.
  X1 = 1 / 0
  X1 = "made after"
  PRINT X1 ' expect: made after
  A = 1
  PRINT ERR.NUMBER ' expect: 42
  A(3) = 1
  PRINT ERR.NUMBER ' expect: 3
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
