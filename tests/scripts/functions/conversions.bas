' Conversions between text and numbers: CSTR's leading blank, HEX and OCT of
' negatives, CDBL/CINT/CLNG/VAL of texts.
' (Y = 1 / 0 between two checks of one error number gives each check its own error.)
SUB MAIN
  OPTION CONSOLE TRUE
  PRINT "["; CSTR(42); "]["; CSTR(-42); "]["; CSTR$(3.9); "]" ' expect: [ 42][-42][ 3]
  PRINT HEX(255); " "; HEX$(-1); " "; OCT(8); " "; OCT$(-1) ' expect: ff ffffffff 10 37777777777
  PRINT CDBL("  2.5xyz"); " "; CDBL("abc"); " "; CDBL(TRUE); " "; VAL(" 12abc"); " "; VAL("-1.5E2") ' expect: 2.5 0 -1 12 -150
  PRINT CINT("3.9"); " "; CINT(-3.9); " "; CINT(70000); " "; CLNG("123456.7") ' expect: 3 -3 4464 123456
  ON ERROR RESUME NEXT
  X = CDBL(CHR(65))
  PRINT ERR.NUMBER ' expect: 33
  Y = 1 / 0
  X = CSTR("4")
  PRINT ERR.NUMBER ' expect: 33
  X = DATE$ ' check: error: 'DATE' is not available: it raises error 27 Functionality Not Implemented
  PRINT ERR.NUMBER ' expect: 27
  Y = 1 / 0
  X = TIME ' check: error: 'TIME' is not available: it raises error 27 Functionality Not Implemented
  PRINT ERR.NUMBER ' expect: 27
  X = STRING(3) ' check: error: STRING is a type name in an expression: CSTR makes text of a number
  PRINT ERR.NUMBER ' expect: 19
  Y = 1 / 0
  X = ERROR(12) ' check: error: ERROR is no function: ERR.DESCRIPTION names the last error
  PRINT ERR.NUMBER ' expect: 19
END SUB
