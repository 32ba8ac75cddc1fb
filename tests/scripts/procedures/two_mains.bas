' A global area declares globals for every procedure; MAIN runs from start-up
' without reading its header's parameters.
DIM COUNT AS LONG, NAME1 AS STRING

SUB MAIN(IGNORED AS LONG) AS LONG ' check: warning: MAIN gets no arguments when the setup starts: its parameters stay empty
  OPTION CONSOLE TRUE
  COUNT = 2
  NAME1 = "x"
  ADD
  PRINT COUNT; NAME1 ' expect: 3xy
END SUB

SUB ADD
  COUNT = COUNT + 1
  NAME1 = NAME1 + "y"
END SUB
