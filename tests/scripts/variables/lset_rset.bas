' LSET and RSET keep the variable's length; texts of any length.
SUB MAIN
  OPTION CONSOLE TRUE
  S = "ABCDE"
  LSET S = "XY"
  PRINT "["; S; "]" ' expect: [XY   ]
  S = "ABCDE"
  RSET S = "XY"
  PRINT "["; S; "]" ' expect: [   XY]
  S = "ABCDE"
  LSET S = "1234567"
  PRINT S ' expect: 12345
  S = "ABCDE"
  RSET S = "1234567"
  PRINT S ' expect: 34567
  LSET NEWONE = "anything"
  PRINT "["; NEWONE; "]" ' expect: []
  ' Long texts: 3000 characters padded, a 6002-character result cut.
  B = ""
  FOR I = 1 TO 300
    B = B + "0123456789"
  NEXT
  LSET B = "Z"
  E = "Z"
  FOR I = 1 TO 2999
    E = E + " "
  NEXT
  IF B = E THEN PRINT "lset ok" ' expect: lset ok
  C = B + "|"
  RSET B = C + C
  E = ""
  FOR I = 1 TO 2999
    E = E + " "
  NEXT
  IF B = (E + "|") THEN PRINT "rset ok" ' expect: rset ok
END SUB
