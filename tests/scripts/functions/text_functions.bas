' Text functions: the boundaries of LEFT, RIGHT, MID and INSTR, trimming,
' case, ASC's signedness, LEN, SPACE, and their errors.
' (Y = 1 / 0 between two checks of one error number gives each check its own error.)
SUB MAIN
  OPTION CONSOLE TRUE
  S = "abcdef"
  PRINT "["; LEFT(S, 0); "]["; RIGHT$(S, 0); "]" ' expect: [][]
  PRINT LEFT(S, 2); " "; RIGHT(S, 2); " "; LEFT$(S, 6); " "; RIGHT(S, 99) ' expect: ab ef abcdef abcdef
  PRINT MID(S, 2, 3); " "; MID(S, 5, 10); " ["; MID$(S, 7); "]["; MID(S, 3, 0); "]" ' expect: bcd ef [][]
  PRINT MID(S, 3) ' expect: cdef
  PRINT INSTR("hello", "l"); " "; INSTR(4, "hello", "l"); " "; INSTR(9, "hello", "l") ' expect: 3 4 0
  PRINT INSTR(1, "Hello", "h", 1); " "; INSTR(1, "Hello", "h", 0); " "; INSTR("abc", "") ' expect: 1 0 1
  PRINT ASC(""); " "; ASC("A"); " "; ASC(CHR(200)); " "; ASC(CHR$(255)) ' expect: 0 65 -56 -1
  PRINT LEN("abc"); " "; LEN(CHR(65)); " "; LEN("") ' expect: 3 1 0
  PRINT "["; LTRIM("  x "); "]["; RTRIM$(" x  "); "]" ' expect: [x ][ x]
  PRINT UCASE("MiXed 1"); " "; LCASE$("MiXed 1") ' expect: MIXED 1 mixed 1
  PRINT "["; SPACE(3); "]["; SPACE$(0); "]" ' expect: [   ][]
  ON ERROR RESUME NEXT
  X = MID(S, 0)
  PRINT ERR.NUMBER ' expect: 15
  X = INSTR(0, "hello", "l")
  PRINT ERR.NUMBER ' expect: 13
  X = SPACE(2049)
  PRINT ERR.NUMBER ' expect: 15
  X = ASC(65)
  PRINT ERR.NUMBER ' expect: 33
  Y = 1 / 0
  X = LEN(5)
  PRINT ERR.NUMBER ' expect: 33
  X = LEFT(S) ' check: error: 'LEFT' takes 2 arguments, not 1
  PRINT ERR.NUMBER ' expect: 13
  X = LEFT(S, -1)
  PRINT ERR.NUMBER ' expect: 15
  X = LEN$("a") ' check: error: 'LEN' takes no '$'
  PRINT ERR.NUMBER ' expect: 13
END SUB
