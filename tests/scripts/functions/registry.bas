' REGISTRY reads a value of an existing key from the sandbox registry file;
' a missing key, a missing value and an empty value are "Illegal Use".
' registry: [HKEY_CURRENT_USER\Software\Vorna Test]
' registry: "Path"="C:\\Program Files\\Vorna"
' registry: "Empty"=hex(1):
' registry: "Blank"=""
' registry:
' registry: [HKEY_LOCAL_MACHINE\Software\Vorna Test]
' registry: "Where"="machine"
SUB MAIN
  OPTION CONSOLE TRUE
  PRINT REGISTRY("HKEY_CURRENT_USER\Software\Vorna Test", "Path") ' expect: C:\Program Files\Vorna
  PRINT REGISTRY("Software\Vorna Test", "Where") ' expect: machine
  PRINT "["; REGISTRY("HKEY_CURRENT_USER\Software\Vorna Test", "Blank"); "]" ' expect: []
  ON ERROR RESUME NEXT
  X = REGISTRY("HKEY_CURRENT_USER\Software\Missing", "Path")
  PRINT ERR.NUMBER ' expect: 13
  Y = 1 / 0
  X = REGISTRY("HKEY_CURRENT_USER\Software\Vorna Test", "Missing")
  PRINT ERR.NUMBER ' expect: 13
  Y = 1 / 0
  X = REGISTRY("HKEY_CURRENT_USER\Software\Vorna Test", "Empty")
  PRINT ERR.NUMBER ' expect: 13
  Y = 1 / 0
  X = REGISTRY("HKEY_CURRENT_USER\Software\Vorna Test") ' check: 7: error: 'REGISTRY' takes 2 arguments, not 1
  PRINT ERR.NUMBER ' expect: 13
END SUB
