' With ON ERROR RESUME NEXT in every call, a million-deep recursion stops
' at the bound and every call returns in turn.
SUB MAIN
  OPTION CONSOLE TRUE
  DOWN 1
  PRINT "survived" ' expect: survived
END SUB

SUB DOWN(N AS LONG)
  ON ERROR RESUME NEXT
  IF N < 1000000 THEN DOWN N + 1
END SUB
