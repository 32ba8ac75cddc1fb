' The evaluator in statements: precedence and associativity, where the
' comparisons bind, number and text literals, the type a sum or product
' keeps, AND and OR as logic and as bits, name lengths; the receiver's type
' types the first operand, unknown names read as the receiver's empty value
' and create nothing, array elements and object members as operands; the
' conditions of IF, WHILE and the bounds of FOR are the same expressions;
' names are read in any letter case.
SUB MAIN
  OPTION CONSOLE TRUE
  ' Letter case counts only inside literals, even where z is a line's only
  ' small letter.
  z = 7
  PRINT Z; "z" ' expect: 7z
  PRINT 1 + 2 * 3; " "; 2 * 3 + 1; " "; 10 - 2 - 3; " "; 2 ^ 3 ^ 2; " "; -2 ^ 2; " "; 2^-1 ' expect: 7 7 5 512 -4 0.5
  PRINT NOT TRUE OR TRUE; " "; NOT FALSE AND FALSE; " "; - NOT TRUE; " "; 1 = 1 AND 2 = 2 ' expect: true false false true
  PRINT 7 MOD 3; " "; -7 MOD 3; " "; 1+2*3; " "; 10/4; " "; 1 < 2 = TRUE; " "; 3 > 2 > 1 ' expect: 1 -1 7 2.5 true false
  PRINT 1 < > 2; " "; 1 <> 1; " "; 1 < = 1; " "; 2 >= 2; " "; 2 > 3 ' expect: true false true true false
  PRINT 1.5E2; " "; 25E-1; " "; .5; " "; 1E+3; " "; -.25; " "; 12345678901234567890; " "; . ' expect: 150 2.5 0.5 1000 -0.25 12345678901234569216 0
  PRINT "A""B"; "|"; ""; "|"; "keep Case" ' expect: A"B||keep Case
  PRINT "It's a:b" ' expect: It's a:b
  DIM I AS INTEGER, J AS INTEGER, K AS INTEGER
  I = 30000: J = 30000: K = -30000
  ' A sum of two INTEGERs widens; a difference and a product stay INTEGER.
  PRINT I + J; " "; I - K ' expect: 60000 -5536
  I = 200: J = 200
  PRINT I * J; " "; I + J ' expect: -25536 400
  A = 1: B = 2: X = 3: W = 4
  PRINT A + B * X + W; " "; A+B*X+W; " "; 	A	+ B*X   +W ' expect: 11 11 11
  PRINT TRUE OR 5; " "; FALSE AND 5; " "; 12 AND 10; " "; 12 OR 3 ' expect: true false 8 15
  PRINT -2 + 5; " "; (1 + 2) * 3; " "; "A" & "B" + "C" ' expect: 3 9 ABC
  IF A = 1 AND B = 2 THEN PRINT "and" ' expect: and
  IF A = 2 OR B = 2 THEN PRINT "or" ' expect: or
  CMP = 3 > 2
  WHILE W < 6 AND B = 2
    W = W + 1
  WEND
  FOR N = 1 TO 2 * 2 STEP 1 + 1
    PRINT N; " ";
  NEXT
  PRINT W; " "; CMP ' expect: 1 3 6 true
  PRINT NNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNN ' expect: 0
  PRINT 0.3; " "; 1E400; " "; 1E-400 ' expect: 0.29999999999999998889776975374843 inf 0
  ' MOD ends its term, and the evaluator stops at what is not its own.
  ' check: 15: warning: text after the statement is ignored: '* 2'
  Z = 7 MOD 3 * 2
  PRINT Z ' expect: 1
  Z = 1 XOR 2 ' check: 9: warning: text after the statement is ignored: 'XOR 2'
  PRINT Z ' expect: 1
  I = 7 / 2
  PRINT I; " "; 7 / 2 ' expect: 3 3.5
  DIM SV AS STRING, CV AS CHARACTER, BV AS BOOLEAN, RV AS REAL, LV AS LONG
  SV = NOSUCH: CV = NOSUCH: BV = NOSUCH: RV = NOSUCH
  PRINT "["; SV; "]["; CV; "]"; BV; RV ' expect: [][ ]false0
  Y = NOSUCH2
  NOSUCH2 = "text"
  PRINT NOSUCH2 ' expect: text
  DIM FD AS STDFILE
  PRINT "["; FD . FILETITLE; "]" ' expect: []
  DIM AR(10) AS LONG, GR(2, 3) AS LONG
  AR(2) = 20: GR(2, 3) = 5
  PRINT AR(2) + AR( 1 ); " "; AR(1 + 1) * 2; " "; GR(2, 3) ' expect: 20 40 5
  ON ERROR RESUME NEXT
  Z = 1 + 1 = 2
  PRINT ERR.NUMBER ' expect: 33
  Y = 1 / 0
  Z = 1 = 1 + 1
  PRINT ERR.NUMBER ' expect: 33
  Y = 1 / 0
  Z = TRUE AND 5
  PRINT ERR.NUMBER ' expect: 33
  Y = 1 / 0
  Z = NOT 1
  PRINT ERR.NUMBER ' expect: 33
  Z = 7 MOD 0
  PRINT ERR.NUMBER ' expect: 6
  Z = NOT 1
  Z = 1.5 / 0.0
  PRINT ERR.NUMBER ' expect: 6
  Z = 2 > = 2 ' check: 11: error: write '>=' without a blank inside it
  PRINT ERR.NUMBER ' expect: 32
  Y = 1 / 0
  Z = * ' check: 7: error: expected a value, not '*'
  PRINT ERR.NUMBER ' expect: 32
  Z = "ABC ' check: 7: error: unterminated string: the closing quote is missing
  PRINT ERR.NUMBER ' expect: 40
  Z = NNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNN ' check: 7: error: name longer than 32 characters
  PRINT ERR.NUMBER ' expect: 43
  LV = 7
  SV = 1 + 1
  PRINT ERR.NUMBER ' expect: 33
  Y = 1 / 0
  BV = LV > 5
  PRINT ERR.NUMBER ' expect: 33
  Z = FD.NOSUCH ' check: 10: error: unknown member 'NOSUCH' of a STDFILE object
  PRINT ERR.NUMBER ' expect: 34
  Y = 1 / 0
  Z = FD.FILETITLES ' check: 10: error: unknown member 'FILETITLES' of a STDFILE object (did you mean 'FILETITLE'?)
  PRINT ERR.NUMBER ' expect: 34
  Z = AR
  PRINT ERR.NUMBER ' expect: 42
  Z = AR(0)
  PRINT ERR.NUMBER ' expect: 5
  Z = AR(11)
  PRINT ERR.NUMBER ' expect: 3
  Y = 1 / 0
  Z = AR(-1)
  PRINT ERR.NUMBER ' expect: 3
  Z = AR(1 ' check: 12: error: expected ',' or ')'
  PRINT ERR.NUMBER ' expect: 13
  Z = GR(3, 1)
  PRINT ERR.NUMBER ' expect: 3
  Y = 1 / 0
  Z = GR(1, 4)
  PRINT ERR.NUMBER ' expect: 3
  Z = GR(1, 0)
  PRINT ERR.NUMBER ' expect: 5
  ON ERROR GOTO 0
END SUB
