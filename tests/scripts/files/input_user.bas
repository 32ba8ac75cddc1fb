' INPUT without a file asks the "User Input Needed" dialog when no console
' is open (answered here from the answers file); Cancel keeps the variable.
' answers: input OK Ann Lee
' answers: input Cancel
' answers: input OK 42
' stderr: [input dialog] "User Input Needed"
' stderr: Your name
' stderr: answer: OK "Ann Lee" (answers file line 1)
' stderr: answer: Cancel (answers file line 2)
SUB MAIN
  WHO = "nobody"
  AGE = "unknown"
  INPUT "Your name", WHO, AGE
  INPUT AGE
  OPTION CONSOLE TRUE
  PRINT WHO; "|"; AGE ' expect: Ann Lee|42
END SUB
