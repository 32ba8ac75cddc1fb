// The script checker on programs held in memory: each row a script and every
// diagnostic it must get, at its line and column. Statements: what may start
// one, the operands of each, the global area and the text the runtime would
// pass over. Blocks and labels: a closer that does not match names the line
// that opened the block left open; jumps find their labels where the runtime
// looks for them. Expressions and calls: argument counts and forms of the
// built-in functions, of the install object's words and of the script's own
// procedures, and the operands the evaluator would misread. A message that a
// golden script's "check:" line already expects is tested there, not here.
#include "tests/unit/support/check_fixture.h"

namespace vorna::testing {
namespace {

TEST(CheckStatements, EachMistakeIsNamedWhereItStands) {
  ExpectDiagnostics({
      {"an unknown word, with the nearest procedure",
       "SUB MAIN\n"
       "  WRITEUNINSTALKEY \"A\"\n"
       "END SUB\n"
       "SUB WRITEUNINSTALLKEY(K)\n"
       "END SUB\n",
       {"2:3: error: unknown statement or procedure 'WRITEUNINSTALKEY' (did you mean "
        "'WRITEUNINSTALLKEY'?)"}},
      {"a keyword of another class",
       InMain("  LEN = 5\n"
              "  TO\n"),
       {"2:3: error: 'LEN' is a function, not a statement",
        "3:3: error: 'TO' is a clause word, not a statement"}},
      {"reserved statements",
       InMain("  CLS\n"
              "  CONST A = 1\n"),
       {"2:3: error: 'CLS' is not available: it raises error 27 Functionality Not Implemented",
        "3:3: error: 'CONST' is not available: it raises error 27 Functionality Not Implemented"}},
      {"a value of the install object as a statement",
       InMain("  ASKDRIVE\n"),
       {"2:3: error: 'ASKDRIVE' is a value, not a statement: use it in an expression, as in IF "
        "ASKDRIVE = FALSE THEN END"}},
      {"words that cannot be assigned",
       InMain("  ASKDRIVE = TRUE\n"
              "  CALCSPACE = 1\n"),
       {"2:3: error: 'ASKDRIVE' cannot be assigned", "3:3: error: 'CALCSPACE' cannot be assigned"}},
      {"the global area holds only DIM",
       "DIM A AS LONG\n"
       "REM note\n"
       "SUB MAIN\n"
       "END SUB\n",
       {"2:1: error: REM is no comment before the first SUB or FUNCTION: write an apostrophe (REM "
        "raises error 25 here)"}},
      {"an apostrophe after a colon",
       InMain("  X = 1: ' no comment\n"),
       {"2:10: error: an apostrophe after ':' starts no comment: write REM"}},
      {"an element of no array assigned",
       InMain("  A(1) = 5\n"),
       {"2:3: error: 'A' is no array: declare it first, as in DIM A(10) AS LONG"}},
      {"the operands of each statement",
       InMain("  ON ERROR RESUME\n"
              "  ON X GOSUB\n"
              "  FOR = 1 TO 2\n"
              "  FOR I 1 TO 2\n"
              "  NEXT\n"
              "  SELECT X\n"
              "  GOTO\n"
              "  LSET = 1\n"),
       {"2:18: error: ON ERROR is followed by GOTO label, GOTO 0 or RESUME NEXT",
        "3:13: error: expected a label", "4:8: error: expected the loop variable",
        "5:9: error: expected '=' after the loop variable",
        "7:10: error: expected CASE (SELECT CASE value)", "8:7: error: GOTO needs a label",
        "9:8: error: expected the name of a variable",
        "10:1: error: END SUB with the SELECT CASE of line 7 still open (missing END CASE?)",
        "10:1: error: END SUB with the FOR of line 4 still open (missing NEXT?)"}},
      {"a statement that starts with no word",
       InMain("  (X) = 1\n"),
       {"2:3: error: a statement cannot start with '('"}},
      {"procedure headers",
       "SUB MAIN\n"
       "END SUB\n"
       "SUB A(1)\n"
       "END SUB\n"
       "SUB B(X Y)\n"
       "END SUB\n"
       "FUNCTION C(X) AS LONG EXTRA\n"
       "END FUNCTION\n"
       "SUB D(X AS ANY)\n"
       "END SUB\n",
       {"3:8: error: expected the name of a parameter",
        "5:9: error: expected AS and a type, as in DIM COUNT AS LONG",
        "7:23: warning: text after the procedure header is ignored",
        "9:12: error: 'ANY' is no type"}},
      {"more operands",
       "DIM T(2) AS LONG\n" + InMain("  DIM\n"
                                     "  DIM M(1, 2, 3, 4) AS LONG\n"
                                     "  DIM N AS\n"
                                     "  GET #1, , 5\n"
                                     "  INPUT #1, 5\n"
                                     "  PRINT TAB(1; \"x\"\n"
                                     "  X = T(1, 2, 3, 4)\n"
                                     "  LET = 5\n"),
       {"3:6: error: expected the name of a variable", "4:20: error: an array has 1 to 3 bounds",
        "5:11: error: expected a type after AS", "6:13: error: expected the variable to read into",
        "7:13: error: expected the name of a variable", "8:14: error: expected ')'",
        "9:7: error: an element of 'T' has 1 to 3 indices",
        "10:7: error: expected the name of a variable"}},
  });
}

TEST(CheckBlocks, EachMistakeNamesTheBlockOrLabel) {
  ExpectDiagnostics({
      {"a closer that leaves an inner block open",
       InMain("  WHILE X\n"
              "    DO\n"
              "  WEND\n"),
       {"4:3: error: WEND closes the WHILE of line 2, but the DO of line 3 is still open (missing "
        "LOOP?)"}},
      {"closers without their opener",
       InMain("  ENDIF\n"
              "  END CASE\n"),
       {"2:3: error: ENDIF without IF", "3:3: error: END CASE without SELECT CASE"}},
      {"ELSE, ELSEIF and CASE outside their block",
       InMain("  ELSE\n"
              "  ELSEIF X THEN\n"
              "  CASE 1\n"),
       {"2:3: error: ELSE without IF", "3:3: error: ELSEIF without IF",
        "4:3: error: CASE without SELECT CASE"}},
      {"ELSE inside an inner block",
       InMain("  IF X THEN\n"
              "    FOR I = 1 TO 2\n"
              "  ELSE\n"
              "  END IF\n"),
       {"4:3: error: ELSE inside the FOR of line 3, which is still open (missing NEXT?)"}},
      {"a second ELSE and an ELSEIF after ELSE",
       InMain("  IF X THEN\n"
              "  ELSE\n"
              "  ELSE\n"
              "  ELSEIF Y THEN\n"
              "  END IF\n"),
       {"4:3: error: ELSE after the ELSE of the IF of line 2",
        "5:3: error: ELSEIF after the ELSE of the IF of line 2"}},
      {"ELSEIF that does not end its line",
       InMain("  IF X THEN\n"
              "  ELSEIF Y THEN PRINT 1\n"
              "  ELSEIF Z\n"
              "  END IF\n"),
       {"3:17: error: ELSEIF must end its line after THEN",
        "4:11: error: expected THEN (ELSEIF condition THEN)"}},
      {"END SELECT",
       InMain("  SELECT CASE X\n"
              "  CASE 1\n"
              "  END SELECT\n"),
       {"4:3: error: END SELECT does not close SELECT CASE: write END CASE (END SELECT returns "
        "from the procedure)"}},
      {"a misspelt condition on DO",
       InMain("  DO UNTILL X\n"
              "  LOOP\n"),
       {"2:6: error: expected WHILE or UNTIL"}},
      {"EXIT outside its loop",
       InMain("  EXIT FOR\n"
              "  DO\n"
              "    FOR I = 1 TO 2\n"
              "      EXIT DO\n"
              "    NEXT\n"
              "  LOOP\n"
              "  EXIT\n"),
       {"2:3: error: EXIT FOR outside a FOR loop",
        "5:7: error: EXIT DO inside the FOR of line 4, which it cannot leave",
        "8:3: error: EXIT is followed by FOR, DO, SUB or FUNCTION"}},
      {"END SUB in a single-line IF inside a block IF",
       InMain("  IF X THEN\n"
              "    IF Y THEN END SUB\n"
              "  END IF\n"),
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
       InMain("  IF X THEN END ELSE PRINT 1\n"
              "  END: PRINT 2\n"
              "  END PROGRAM\n"),
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
       InMain("  IF X THEN PRINT 1: ELSEWHERE = 2\n"
              "  IF X THEN PRINT 1 ELSE PRINT 2\n"
              "  IF X THEN PRINT 1 ELSEIF Y THEN PRINT 2\n"),
       {"2:22: warning: the false branch of this IF runs what follows the letters ELSE here"}},
      {"blocks on one line and early returns",
       InMain("  FOR I = 1 TO 3: PRINT I: NEXT\n"
              "  IF X THEN FOR J = 1 TO 2: PRINT J: NEXT\n"
              "  WHILE X: WEND\n"
              "  IF X THEN EXIT SUB\n"
              "  FOR K = 1 TO 2\n"
              "    IF K = 2 THEN END SUB\n"
              "  NEXT\n"),
       {}},
  });
}

TEST(CheckExpressions, EachMistakeIsNamedWhereItStands) {
  ExpectDiagnostics({
      {"argument counts of functions",
       InMain("  X = MID(\"a\", 1, 2, 3)\n"
              "  X = LEN(\"a\", \"b\")\n"),
       {"2:7: error: 'MID' takes 2 or 3 arguments, not 4",
        "3:7: error: 'LEN' takes 1 argument, not 2"}},
      {"parentheses after a function that takes none",
       InMain("  X = FREEFILE()\n"),
       {"2:15: error: 'FREEFILE' takes no parentheses"}},
      {"keywords that are no values",
       InMain("  X = A AND NOT B\n"
              "  X = IS\n"),
       {"2:13: error: NOT applies only at the start of an expression: put it in parentheses, as in "
        "A AND (NOT B)",
        "3:7: error: IS stands only in CASE IS"}},
      {"broken expressions",
       InMain("  X = (1 + 2\n"
              "  X = 1 +\n"
              "  X = 2 * -Y\n"),
       {"2:13: error: missing ')'", "3:10: error: expected a value",
        "4:11: error: a sign inside an expression belongs to a number only: -Y reads as 0 here "
        "(write (-Y))"}},
      {"unknown functions",
       InMain("  X = FOO(1)\n"),
       {"2:7: error: unknown function or array 'FOO'"}},
      {"calls of the script's procedures",
       "SUB MAIN\n"
       "  X = TWICE()\n"
       "  X = TWICE(1, 2)\n"
       "  X = SHOW(1)\n"
       "  CALL NOSUCH(1)\n"
       "END SUB\n"
       "FUNCTION TWICE(N)\n"
       "  TWICE = N * 2\n"
       "END FUNCTION\n"
       "SUB SHOW(N)\n"
       "END SUB\n",
       {"2:7: error: 'TWICE' takes 1 argument, not 0",
        "3:7: warning: 'TWICE' takes 1 argument: the extra argument is not read",
        "4:7: warning: 'SHOW' is a SUB: it gives no value",
        "5:8: error: CALL of 'NOSUCH', which is no SUB or FUNCTION"}},
      {"words of the install object",
       InMain("  X = CALCSPACE\n"
              "  X = ASKDRIVE()\n"
              "  X = SPECIALFOLDER(\"DESKTOPP\")\n"),
       {"2:7: error: 'CALCSPACE' is a statement, not a value: in an expression it reads as 0",
        "3:15: error: 'ASKDRIVE' takes no arguments",
        "4:21: warning: unknown special folder 'DESKTOPP': SPECIALFOLDER answers \"\" (did you "
        "mean 'DESKTOP'?)"}},
      {"members of file dialog objects",
       InMain("  DIM D AS STDFILE\n"
              "  X = E.FILE\n"
              "  D.GETSAVENAME = 1\n"),
       {"3:7: warning: 'E' is not declared AS STDFILE: 'E.FILE' reaches no member",
        "4:5: error: 'GETSAVENAME' of a STDFILE object cannot be assigned"}},
      {"correct expressions",
       "DIM T(3) AS STRING\n"
       "SUB MAIN\n"
       "  DIM D AS STDFILE\n"
       "  X = D.FILE & T(1) & CHR$(65) + LEFT$(\"ab\", 1) + MID(\"abc\", 2)\n"
       "  IF X <> \"\" AND (NOT D.GETOPENNAME) THEN X = ERR.DESCRIPTION\n"
       "  X = 2 ^ -1 + -3 + RND() * FREEFILE\n"
       "  SELECT CASE X\n"
       "  CASE IS > 5, 1 TO 3, \"a\"\n"
       "  END CASE\n"
       "  X = SPECIALFOLDER(\"desktop\", TRUE) + DIRCAT(INSTALLPATH, \"A\")\n"
       "  X = SHOW(D)\n"
       "END SUB\n"
       "FUNCTION SHOW(BYREF F AS STDFILE)\n"
       "  SHOW = F.TITLE\n"
       "END FUNCTION\n",
       {}},
      {"a closing parenthesis too many",
       InMain("  PRINT LEN(\"A\"))\n"),
       {"2:17: error: ')' without its '('"}},
      {"arguments without parentheses in an expression",
       "SUB MAIN\n"
       "  X = TWICE 3 + 1\n"
       "  Y = TWICE\n"
       "END SUB\n"
       "FUNCTION TWICE(N)\n"
       "END FUNCTION\n",
       {"3:7: error: 'TWICE' takes 1 argument, not 0"}},
  });
}

}  // namespace
}  // namespace vorna::testing
