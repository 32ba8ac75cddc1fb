// The checker on blocks and labels: a closer that does not match names the
// line that opened the block left open; jumps find their labels where the
// runtime looks for them.
#include "tests/unit/support/check_fixture.h"

namespace vorna::testing {
namespace {

TEST(CheckBlocks, EachMistakeNamesTheBlockOrLabel) {
  ExpectDiagnostics({
      {"END SUB with a block still open",
       "SUB MAIN\n"
       "  IF X = 1 THEN\n"
       "    PRINT 1\n"
       "END SUB\n",
       {"4:1: error: END SUB with the IF of line 2 still open (missing END IF?)"}},
      {"a block open at the end of the procedure",
       "SUB MAIN\n"
       "  FOR I = 1 TO 2\n",
       {"2:3: error: FOR without NEXT before the end of MAIN"}},
      {"a closer that leaves an inner block open",
       "SUB MAIN\n"
       "  WHILE X\n"
       "    DO\n"
       "  WEND\n"
       "END SUB\n",
       {"4:3: error: WEND closes the WHILE of line 2, but the DO of line 3 is still open (missing "
        "LOOP?)"}},
      {"closers without their opener",
       "SUB MAIN\n"
       "  NEXT\n"
       "  WEND\n"
       "  LOOP\n"
       "  END IF\n"
       "  ENDIF\n"
       "  END CASE\n"
       "END SUB\n",
       {"2:3: error: NEXT without FOR", "3:3: error: WEND without WHILE",
        "4:3: error: LOOP without DO", "5:3: error: END IF without IF",
        "6:3: error: ENDIF without IF", "7:3: error: END CASE without SELECT CASE"}},
      {"ELSE, ELSEIF and CASE outside their block",
       "SUB MAIN\n"
       "  ELSE\n"
       "  ELSEIF X THEN\n"
       "  CASE 1\n"
       "END SUB\n",
       {"2:3: error: ELSE without IF", "3:3: error: ELSEIF without IF",
        "4:3: error: CASE without SELECT CASE"}},
      {"ELSE inside an inner block",
       "SUB MAIN\n"
       "  IF X THEN\n"
       "    FOR I = 1 TO 2\n"
       "  ELSE\n"
       "  END IF\n"
       "END SUB\n",
       {"4:3: error: ELSE inside the FOR of line 3, which is still open (missing NEXT?)"}},
      {"a second ELSE and an ELSEIF after ELSE",
       "SUB MAIN\n"
       "  IF X THEN\n"
       "  ELSE\n"
       "  ELSE\n"
       "  ELSEIF Y THEN\n"
       "  END IF\n"
       "END SUB\n",
       {"4:3: error: ELSE after the ELSE of the IF of line 2",
        "5:3: error: ELSEIF after the ELSE of the IF of line 2"}},
      {"ELSEIF that does not end its line",
       "SUB MAIN\n"
       "  IF X THEN\n"
       "  ELSEIF Y THEN PRINT 1\n"
       "  ELSEIF Z\n"
       "  END IF\n"
       "END SUB\n",
       {"3:17: error: ELSEIF must end its line after THEN",
        "4:11: error: expected THEN (ELSEIF condition THEN)"}},
      {"END SELECT",
       "SUB MAIN\n"
       "  SELECT CASE X\n"
       "  CASE 1\n"
       "  END SELECT\n"
       "END SUB\n",
       {"4:3: error: END SELECT does not close SELECT CASE: write END CASE (END SELECT returns "
        "from the procedure)"}},
      {"conditions on DO and LOOP",
       "SUB MAIN\n"
       "  DO WHILE X\n"
       "  LOOP UNTIL Y\n"
       "  DO UNTILL X\n"
       "  LOOP\n"
       "END SUB\n",
       {"3:3: error: conditions on both DO (line 2) and LOOP raise Illegal Use",
        "4:6: error: expected WHILE or UNTIL"}},
      {"NEXT with another loop's name",
       "SUB MAIN\n"
       "  FOR I = 1 TO 2\n"
       "  NEXT J\n"
       "END SUB\n",
       {"3:8: warning: NEXT J closes the loop of I (line 2): the name after NEXT is not read"}},
      {"EXIT outside its loop",
       "SUB MAIN\n"
       "  EXIT FOR\n"
       "  DO\n"
       "    FOR I = 1 TO 2\n"
       "      EXIT DO\n"
       "    NEXT\n"
       "  LOOP\n"
       "  EXIT WHILE\n"
       "  EXIT\n"
       "END SUB\n",
       {"2:3: error: EXIT FOR outside a FOR loop",
        "5:7: error: EXIT DO inside the FOR of line 4, which it cannot leave",
        "8:3: error: EXIT WHILE is no statement: EXIT FOR, EXIT DO, EXIT SUB or EXIT FUNCTION",
        "9:3: error: EXIT is followed by FOR, DO, SUB or FUNCTION"}},
      {"END SUB in a single-line IF inside a block IF",
       "SUB MAIN\n"
       "  IF X THEN\n"
       "    IF Y THEN END SUB\n"
       "  END IF\n"
       "END SUB\n",
       {"3:15: error: END SUB inside the block IF of line 2 raises Unterminated Block: use EXIT "
        "SUB"}},
      {"a procedure ended by the other END",
       "FUNCTION F\n"
       "END SUB\n"
       "SUB MAIN\n"
       "END FUNCTION\n",
       {"2:1: warning: FUNCTION F ends with END SUB",
        "4:1: warning: SUB MAIN ends with END FUNCTION"}},
      {"END that does not end the program",
       "SUB MAIN\n"
       "  IF X THEN END ELSE PRINT 1\n"
       "  END: PRINT 2\n"
       "  END PROGRAM\n"
       "END SUB\n",
       {"2:13: warning: END with more after it on its line returns from the procedure instead of "
        "ending the program",
        "3:3: warning: END with more after it on its line returns from the procedure instead of "
        "ending the program",
        "4:3: error: END PROGRAM is no statement: END alone ends the program, END SUB returns"}},
      {"labels where the runtime looks for them",
       "SUB MAIN\n"
       "  GOTO DONE\n"
       "  GOSUB TOP\n"
       "  ON ERROR GOTO HANDLR\n"
       "  ON X GOTO DONE, MISSING\n"
       "  IF X THEN 100\n"
       "  IF X THEN 200\n"
       "  ON ERROR GOTO 0\n"
       "HANDLER:\n"
       "DONE:\n"
       "100: PRINT\n"
       "END SUB\n"
       "SUB OTHER\n"
       "INNER:\n"
       "END SUB\n"
       "TOP:\n",
       {"3:9: error: unknown label 'TOP'",
        "4:17: error: unknown label 'HANDLR' (did you mean 'HANDLER'?)",
        "5:19: error: unknown label 'MISSING'",
        "7:13: error: unknown label '200' (did you mean '100'?)"}},
      {"the letters ELSE inside a word",
       "SUB MAIN\n"
       "  IF X THEN PRINT 1: ELSEWHERE = 2\n"
       "  IF X THEN PRINT 1 ELSE PRINT 2\n"
       "  IF X THEN PRINT 1 ELSEIF Y THEN PRINT 2\n"
       "END SUB\n",
       {"2:22: warning: the false branch of this IF runs what follows the letters ELSE here"}},
      {"IF without THEN",
       "SUB MAIN\n"
       "  IF X PRINT 1\n"
       "END SUB\n",
       {"2:8: error: expected THEN (IF condition THEN)"}},
      {"blocks on one line and early returns",
       "SUB MAIN\n"
       "  FOR I = 1 TO 3: PRINT I: NEXT\n"
       "  IF X THEN FOR J = 1 TO 2: PRINT J: NEXT\n"
       "  WHILE X: WEND\n"
       "  IF X THEN EXIT SUB\n"
       "  FOR K = 1 TO 2\n"
       "    IF K = 2 THEN END SUB\n"
       "  NEXT\n"
       "END SUB\n",
       {}},
  });
}

}  // namespace
}  // namespace vorna::testing
