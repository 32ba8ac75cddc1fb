' INPUT without a file asks the "User Input Needed" dialog when no console
' is open (answered here from the answers file); Cancel keeps the variable.
' answers: input OK Ann Lee
' answers: input Cancel
' answers: input OK 42
' answers: input OK Bo
' answers: input OK 7
' answers: input Cancel
' answers: input OK dropped
' answers: input OK 9
' answers: input OK 5
' stderr: [input dialog] "User Input Needed"
' stderr: Your name
' stderr: answer: OK "Ann Lee" (answers file line 1)
' stderr: answer: Cancel (answers file line 2)
SUB MAIN
  WHO = "nobody"
  AGE = "unknown"
  INPUT "Your name", WHO, AGE
  INPUT AGE
  ' An empty item between commas asks nothing.
  INPUT "Again",, WHO, AGE
  ' Cancel keeps the first name too; a name that is no variable drops its answer.
  INPUT WHO, UNKNOWN, AGE
  INPUT
  DIM N AS LONG
  ON ERROR RESUME NEXT
  INPUT "prompt" WHO ' check: 18: error: expected ',' after the prompt
  E1 = ERR.NUMBER
  INPUT N
  E2 = ERR.NUMBER
  OPTION CONSOLE TRUE
  PRINT WHO; "|"; AGE; " "; E1; " "; E2 ' expect: Bo|9 13 33
END SUB
