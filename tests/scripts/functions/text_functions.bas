' Text functions: the boundaries of LEFT, RIGHT, MID and INSTR, trimming,
' case, ASC's signedness, LEN, SPACE, and their errors; texts longer than the
' 2047 characters of the working buffer are worked on whole; a failing
' function leaves the variable it was assigned to as it was.
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
  X = LEFT(S) ' check: 7: error: 'LEFT' takes 2 arguments, not 1
  PRINT ERR.NUMBER ' expect: 13
  X = LEFT(S, -1)
  PRINT ERR.NUMBER ' expect: 15
  X = LEN$("a") ' check: 10: error: 'LEN' takes no '$'
  PRINT ERR.NUMBER ' expect: 13
  ON ERROR GOTO 0
  PRINT "["; MID(S, 0, 0); "]["; MID(S, 200, 2); "] "; MID(S, 6, 1); " "; MID$(S, 1, 6) ' expect: [][] f abcdef
  PRINT INSTR(5, "hello", "l"); " "; INSTR(3, "hello", ""); " "; INSTR("hello", "lo"); " "; INSTR("hello", "hello!") ' expect: 0 3 4 0
  PRINT CHR(321); " "; LEN(SPACE(2048)); " ["; LTRIM(" " & CHR(9) & " x "); "]" ' expect: A 2048 [x ]
  PRINT UCASE(CHR(233)) = CHR(233); " "; RIGHT $ ("abc", 1) ' expect: true c
  BIG = SPACE(2048)
  BIG = BIG & SPACE(952)
  BIG = UCASE(BIG) & "XY" & SPACE(10)
  BIG = "a" & MID(BIG, 2)
  PRINT LEN(BIG); " "; INSTR(BIG, "XY"); " "; LEN(LEFT(BIG, 2500)); " ["; MID(BIG, 3000, 3); "] "; LEN(RTRIM(BIG)) ' expect: 3012 3001 2500 [ XY] 3002
  ON ERROR RESUME NEXT
  X = "before"
  X = MID("abc", 0)
  PRINT ERR.NUMBER; " "; X ' expect: 15 before
  Y = 1 / 0
  X = RIGHT(S, -1)
  PRINT ERR.NUMBER ' expect: 15
  Y = 1 / 0
  X = MID(S, 0, 2)
  PRINT ERR.NUMBER ' expect: 15
  Y = 1 / 0
  X = MID(S, -1, 2)
  PRINT ERR.NUMBER ' expect: 15
  Y = 1 / 0
  X = MID(S, 2, -1)
  PRINT ERR.NUMBER ' expect: 15
  Y = 1 / 0
  X = INSTR(-2, "hello", "l")
  PRINT ERR.NUMBER ' expect: 15
  Y = 1 / 0
  X = INSTR(1, "hello", "l", 2)
  PRINT ERR.NUMBER ' expect: 15
  Y = 1 / 0
  X = SPACE(-1)
  PRINT ERR.NUMBER ' expect: 15
  X = LEFT(5, 1)
  PRINT ERR.NUMBER ' expect: 33
  Y = 1 / 0
  X = ASC(TRUE)
  PRINT ERR.NUMBER ' expect: 33
  Y = 1 / 0
  X = SPACE("3")
  PRINT ERR.NUMBER ' expect: 33
  Y = 1 / 0
  X = UCASE(1)
  PRINT ERR.NUMBER ' expect: 33
  X = LEFT(S, 1, 2) ' check: 7: error: 'LEFT' takes 2 arguments, not 3
  PRINT ERR.NUMBER ' expect: 13
  Y = 1 / 0
  X = MID(S) ' check: 7: error: 'MID' takes 2 or 3 arguments, not 1
  PRINT ERR.NUMBER ' expect: 13
  Y = 1 / 0
  X = INSTR("hello") ' check: 7: error: 'INSTR' takes 2 to 4 arguments, not 1
  PRINT ERR.NUMBER ' expect: 13
  Y = 1 / 0
  X = INSTR$("hello", "l") ' check: 12: error: 'INSTR' takes no '$'
  PRINT ERR.NUMBER ' expect: 13
  Y = 1 / 0
  X = LEFT "abc", 1 ' check: 12: error: 'LEFT' needs its arguments in parentheses
  PRINT ERR.NUMBER ' expect: 13
END SUB
