' REGSVR32: the sandbox loads no library, from the install disk or anywhere.
' stderr: library not registered: the sandbox cannot load A:\vorna-run
' stderr: library not unregistered: the sandbox cannot load ..\..\..\lib.dll
' host: sandbox
SUB MAIN
  OPTION CONSOLE TRUE
  PRINT REGSVR32("A:\vorna-run", "R") ' expect: false
  PRINT REGSVR32("..\..\..\lib.dll", "U") ' expect: false
END SUB
