' Declared values start empty; an assignment converts into the variable's type, and refuses the pairings
' that have no conversion: a character into a text, a number into a
' character or a flag, a flag into a number.
SUB MAIN
  OPTION CONSOLE TRUE
  ' Declared variables start empty by their type.
  DIM S0 AS STRING, R0 AS REAL, Y0 AS BYTE, B0 AS BOOLEAN, C0 AS CHARACTER, I0 AS INTEGER
  PRINT "["; S0; "]"; R0; Y0; I0; B0; "["; C0; "]" ' expect: []000false[ ]
  DIM IV AS INTEGER, BV AS BYTE, SV AS STRING, CV AS CHARACTER, FL AS BOOLEAN, LV AS LONG
  IV = 3.99
  X = 3.99
  BV = -1
  SV = "abc"
  SV = SV
  CV = "HELLO"
  PRINT IV; " "; X; " "; BV; " "; SV; " "; CV ' expect: 3 3.99000000000000021316282072803006 255 abc H
  DIM CC AS CHARACTER
  CC = "Q"
  ON ERROR RESUME NEXT
  SV = CC
  PRINT ERR.NUMBER ' expect: 33
  Y = 1 / 0
  CV = 65
  PRINT ERR.NUMBER ' expect: 33
  Y = 1 / 0
  FL = 1
  PRINT ERR.NUMBER ' expect: 33
  Y = 1 / 0
  LV = TRUE
  PRINT ERR.NUMBER ' expect: 33
  PRINT SV; " "; CV; " "; FL; LV ' expect: abc H false0
END SUB
