' Conversions between text and numbers: CSTR's leading blank, HEX and OCT of
' negatives, CDBL/CINT/CLNG/VAL of texts, the types they answer (seen in a
' product, which keeps its first operand's type), the reserved words.
SUB MAIN
  OPTION CONSOLE TRUE
  PRINT "["; CSTR(42); "]["; CSTR(-42); "]["; CSTR$(3.9); "]" ' expect: [ 42][-42][ 3]
  PRINT HEX(255); " "; HEX$(-1); " "; OCT(8); " "; OCT$(-1) ' expect: ff ffffffff 10 37777777777
  PRINT CDBL("  2.5xyz"); " "; CDBL("abc"); " "; CDBL(TRUE); " "; VAL(" 12abc"); " "; VAL("-1.5E2") ' expect: 2.5 0 -1 12 -150
  PRINT CINT("3.9"); " "; CINT(-3.9); " "; CINT(70000); " "; CLNG("123456.7") ' expect: 3 -3 4464 123456
  PRINT "["; CSTR(-0.5); "] "; HEX(-2147483648); " "; OCT$(7); " ["; CSTR(2147483647); "] "; CSTR(-2147483648) ' expect: [ 0] 80000000 7 [ 2147483647] -2147483648
  PRINT CDBL(".5"); " "; CDBL("0x10"); " "; CDBL("inf"); " "; CDBL("1e"); " "; CDBL(FALSE); " "; CINT(TRUE) ' expect: 0.5 0 0 1 0 -1
  PRINT CLNG(-2.5); " "; VAL(""); " "; VAL(CHR(55)) ' expect: -2 0 7
  PRINT CINT(200) * 200; " "; CLNG(200) * 200; " "; VAL("0.5") * 3 ' expect: -25536 40000 1.5
  ON ERROR RESUME NEXT
  X = HEX(TRUE)
  PRINT ERR.NUMBER ' expect: 33
  Y = 1 / 0
  X = CINT(CHR(65))
  PRINT ERR.NUMBER ' expect: 33
  Y = 1 / 0
  X = VAL(5)
  PRINT ERR.NUMBER ' expect: 33
  X = CDBL$(1) ' check: 11: error: 'CDBL' takes no '$'
  PRINT ERR.NUMBER ' expect: 13
  X = CDBL(CHR(65))
  PRINT ERR.NUMBER ' expect: 33
  Y = 1 / 0
  X = CSTR("4")
  PRINT ERR.NUMBER ' expect: 33
  X = DATE$ ' check: 7: error: 'DATE' is not available: it raises error 27 Functionality Not Implemented
  PRINT ERR.NUMBER ' expect: 27
  Y = 1 / 0
  X = TIME ' check: 7: error: 'TIME' is not available: it raises error 27 Functionality Not Implemented
  PRINT ERR.NUMBER ' expect: 27
  X = FILEATTR ' check: 7: error: 'FILEATTR' is not available: it raises error 27 Functionality Not Implemented
  PRINT ERR.NUMBER ' expect: 27
  Y = 1 / 0
  X = LOC ' check: 7: error: 'LOC' is not available: it raises error 27 Functionality Not Implemented
  PRINT ERR.NUMBER ' expect: 27
  Y = 1 / 0
  X = SPC ' check: 7: error: 'SPC' is not available: it raises error 27 Functionality Not Implemented
  PRINT ERR.NUMBER ' expect: 27
  Y = 1 / 0
  X = STRIG ' check: 7: error: 'STRIG' is not available: it raises error 27 Functionality Not Implemented
  PRINT ERR.NUMBER ' expect: 27
  Y = 1 / 0
  X = TAB(3) ' check: 7: error: TAB stands only among the items of PRINT
  PRINT ERR.NUMBER ' expect: 27
  Y = 1 / 0
  X = TIME$ ' check: 7: error: 'TIME' is not available: it raises error 27 Functionality Not Implemented
  PRINT ERR.NUMBER ' expect: 27
  Y = 1 / 0
  X = DATE ' check: 7: error: 'DATE' is not available: it raises error 27 Functionality Not Implemented
  PRINT ERR.NUMBER ' expect: 27
  X = INPUT ' check: 7: error: 'INPUT' cannot stand in an expression
  PRINT ERR.NUMBER ' expect: 19
  Y = 1 / 0
  X = SEEK ' check: 7: error: 'SEEK' cannot stand in an expression
  PRINT ERR.NUMBER ' expect: 19
  Y = 1 / 0
  X = STRING(3) ' check: 7: error: STRING is a type name in an expression: CSTR makes text of a number
  PRINT ERR.NUMBER ' expect: 19
  Y = 1 / 0
  X = ERROR(12) ' check: 7: error: ERROR is no function: ERR.DESCRIPTION names the last error
  PRINT ERR.NUMBER ' expect: 19
END SUB
