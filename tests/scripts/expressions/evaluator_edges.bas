' The evaluator in statements: precedence and associativity, where the
' comparisons bind, number and text literals, the type a sum or product
' keeps, AND and OR as logic and as bits, name lengths.
' (Y = 1 / 0, a division by zero, between two checks of one error number gives
' each check its own error.)
SUB MAIN
  OPTION CONSOLE TRUE
  PRINT 1 + 2 * 3; " "; 2 * 3 + 1; " "; 10 - 2 - 3; " "; 2 ^ 3 ^ 2; " "; -2 ^ 2; " "; 2^-1 ' expect: 7 7 5 512 -4 0.5
  PRINT NOT TRUE OR TRUE; " "; NOT FALSE AND FALSE; " "; - NOT TRUE; " "; 1 = 1 AND 2 = 2 ' expect: true false false true
  PRINT 7 MOD 3; " "; -7 MOD 3; " "; 1+2*3; " "; 10/4; " "; 1 < 2 = TRUE; " "; 3 > 2 > 1 ' expect: 1 -1 7 2.5 true false
  PRINT 1 < > 2; " "; 1 <> 1; " "; 1 < = 1; " "; 2 >= 2; " "; 2 > 3 ' expect: true false true true false
  PRINT 1.5E2; " "; 25E-1; " "; .5; " "; 1E+3; " "; -.25; " "; 12345678901234567890; " "; . ' expect: 150 2.5 0.5 1000 -0.25 12345678901234569216 0
  PRINT "A""B"; "|"; ""; "|"; "keep Case" ' expect: A"B||keep Case
  DIM I AS INTEGER, J AS INTEGER, K AS INTEGER
  I = 30000: J = 30000: K = -30000
  ' A sum of two INTEGERs widens; a difference and a product stay INTEGER.
  PRINT I + J; " "; I - K ' expect: 60000 -5536
  I = 200: J = 200
  PRINT I * J; " "; I + J ' expect: -25536 400
  A = 1: B = 2: X = 3: W = 4
  PRINT A + B * X + W; " "; A+B*X+W; " "; 	A	+ B*X   +W ' expect: 11 11 11
  PRINT TRUE OR 5; " "; FALSE AND 5; " "; 12 AND 10; " "; 12 OR 3 ' expect: true false 8 15
  PRINT NNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNN ' expect: 0
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
  Z = 2 > = 2 ' check: error: write '>=' without a blank inside it
  PRINT ERR.NUMBER ' expect: 32
  Y = 1 / 0
  Z = * ' check: error: expected a value, not '*'
  PRINT ERR.NUMBER ' expect: 32
  Z = "ABC ' check: error: unterminated string: the closing quote is missing
  PRINT ERR.NUMBER ' expect: 40
  Z = NNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNN ' check: error: name longer than 32 characters
  PRINT ERR.NUMBER ' expect: 43
  ON ERROR GOTO 0
END SUB
