' END SUB and END FUNCTION inside a block IF that is still open mean the IF
' was never closed: "Unterminated Block". Only a bare END ends anyway.
' answers: error Ignore
' answers: error Ignore
' stderr: statement: END SUB
' stderr: statement: END FUNCTION
' stderr: message: Unterminated Block Error
SUB MAIN
  OPTION CONSOLE TRUE
  LEAVESUB
  CALL LEAVEFUNCTION
  PRINT "both returned" ' expect: both returned
END SUB

SUB LEAVESUB
  IF TRUE THEN
    END SUB ' check: 5: error: END SUB with the IF of line 16 still open (missing END IF?)
  END IF ' check: 3: error: END IF without IF
END SUB

FUNCTION LEAVEFUNCTION
  IF TRUE THEN
    END FUNCTION ' check: 5: error: END FUNCTION with the IF of line 22 still open (missing END IF?)
  END IF ' check: 3: error: END IF without IF
END FUNCTION
