' The ERR object reads the record of the last error, its member words in any
' letter case and with blanks around the point; ERR.NUMBER is a LONG (seen in
' a product, which keeps its first operand's type).
SUB MAIN
  OPTION CONSOLE TRUE
  ON ERROR RESUME NEXT
  FAILING
  PRINT Err.Number ' expect: 33
  PRINT ERR.DESCRIPTION ' expect: Type Mismatch Error
  PRINT ERR.LINE ' expect: X = "A" + 1
  PRINT ERR.MODULE ' expect: TEST.BAS
  PRINT ERR.FUNCTION ' expect: FAILING
  PRINT err . number + 1; " "; ERR.NUMBER * 40000 ' expect: 34 1320000
  X = ERR ' check: 11: error: ERR needs a member, as in ERR.NUMBER
  PRINT ERR.NUMBER ' expect: 13
  Y = 1 / 0
  X = ERR NUMBER ' check: 11: error: ERR needs a member, as in ERR.NUMBER
  PRINT ERR.NUMBER ' expect: 13
  Y = 1 / 0
  X = ERR.NUMBERS ' check: 7: error: unknown member 'NUMBERS' of ERR (did you mean 'NUMBER'?)
  PRINT ERR.NUMBER ' expect: 13
  Y = 1 / 0
  X = ERR.SOURCE ' check: 7: error: unknown member 'SOURCE' of ERR
  PRINT ERR.NUMBER ' expect: 13
END SUB

SUB FAILING
  ON ERROR RESUME NEXT
  X = "A" + 1
END SUB
