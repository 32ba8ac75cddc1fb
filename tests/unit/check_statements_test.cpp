// The checker on statements: what may start one, the operands of each, the
// global area, and the text that the runtime would pass over.
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
      {"an unknown word near nothing known",
       "SUB MAIN\n"
       "  FROBNICATE\n"
       "END SUB\n",
       {"2:3: error: unknown statement or procedure 'FROBNICATE'"}},
      {"a keyword of another class",
       "SUB MAIN\n"
       "  LEN = 5\n"
       "  TO\n"
       "END SUB\n",
       {"2:3: error: 'LEN' is a function, not a statement",
        "3:3: error: 'TO' is a clause word, not a statement"}},
      {"RESUME alone",
       "SUB MAIN\n"
       "  RESUME NEXT\n"
       "END SUB\n",
       {"2:3: error: RESUME is no statement: only ON ERROR RESUME NEXT reads it"}},
      {"reserved statements",
       "SUB MAIN\n"
       "  CLS\n"
       "  CONST A = 1\n"
       "END SUB\n",
       {"2:3: error: 'CLS' is not available: it raises error 27 Functionality Not Implemented",
        "3:3: error: 'CONST' is not available: it raises error 27 Functionality Not Implemented"}},
      {"a value of the install object as a statement",
       "SUB MAIN\n"
       "  ASKDRIVE\n"
       "END SUB\n",
       {"2:3: error: 'ASKDRIVE' is a value, not a statement: use it in an expression, as in IF "
        "ASKDRIVE = FALSE THEN END"}},
      {"an install field without =",
       "SUB MAIN\n"
       "  PROGRAMNAME \"Acme\"\n"
       "END SUB\n",
       {"2:3: error: expected '=' after PROGRAMNAME (PROGRAMNAME = text)"}},
      {"object members as statements",
       "SUB MAIN\n"
       "  DIM D AS STDFILE\n"
       "  D.GETOPENNAME\n"
       "  D.TITLE \"x\"\n"
       "END SUB\n",
       {"3:3: error: 'D.GETOPENNAME' is a value, not a statement: use it in an expression, as in "
        "IF D.GETOPENNAME THEN",
        "4:3: error: expected '=' after D.TITLE"}},
      {"words that cannot be assigned",
       "SUB MAIN\n"
       "  ASKDRIVE = TRUE\n"
       "  CALCSPACE = 1\n"
       "END SUB\n",
       {"2:3: error: 'ASKDRIVE' cannot be assigned", "3:3: error: 'CALCSPACE' cannot be assigned"}},
      {"the global area holds only DIM",
       "DIM A AS LONG\n"
       "PRINT A\n"
       "REM note\n"
       "SUB MAIN\n"
       "END SUB\n",
       {"2:1: error: only DIM may stand before the first SUB or FUNCTION: this raises error 25, "
        "and Ignore skips the module's later DIMs",
        "3:1: error: REM is no comment before the first SUB or FUNCTION: write an apostrophe (REM "
        "raises error 25 here)"}},
      {"text after a complete statement",
       "SUB MAIN\n"
       "  X = 1 2\n"
       "  PRINT \"A\", \"B\"\n"
       "END SUB\n",
       {"2:9: warning: text after the statement is ignored: '2'",
        "3:12: warning: only ';' separates the items of PRINT: ', \"B\"' is not written"}},
      {"statements after a jump",
       "SUB MAIN\n"
       "  GOTO L: PRINT 1\n"
       "L:\n"
       "END SUB\n",
       {"2:9: warning: statements after GOTO on this line never run"}},
      {"RANDOMIZE before a blank and a colon",
       "SUB MAIN\n"
       "  RANDOMIZE : PRINT 1\n"
       "END SUB\n",
       {"2:12: warning: RANDOMIZE reads nothing after it: the rest of the line does not run (write "
        "RANDOMIZE: to go on)"}},
      {"an apostrophe after a colon",
       "SUB MAIN\n"
       "  X = 1: ' no comment\n"
       "END SUB\n",
       {"2:10: error: an apostrophe after ':' starts no comment: write REM"}},
      {"a field text over 63 characters",
       "SUB MAIN\n"
       "  VERSION = \"0123456789012345678901234567890123456789012345678901234567890123\"\n"
       "END SUB\n",
       {"2:12: error: VERSION holds at most 63 characters, not 64 (String Too Long)"}},
      {"an element of no array assigned",
       "SUB MAIN\n"
       "  A(1) = 5\n"
       "END SUB\n",
       {"2:3: error: 'A' is no array: declare it first, as in DIM A(10) AS LONG"}},
      {"the operands of each statement",
       "SUB MAIN\n"
       "  OPEN \"A\" FOR INPUT 1\n"
       "  NAME \"A\" \"B\"\n"
       "  ON ERROR RESUME\n"
       "  ON X GOSUB\n"
       "  GET 1, , X\n"
       "  INPUT \"Name\"; N\n"
       "  OPTION BASE 1\n"
       "  CLOSE\n"
       "  DIM X AS LONG, Y\n"
       "  DIM Z AS WHOLE\n"
       "  DIM PRINT AS LONG\n"
       "  FOR = 1 TO 2\n"
       "  FOR I 1 TO 2\n"
       "  FOR I = 1 UNTIL 2\n"
       "  FOR I = 1 TO 2 STEP 0\n"
       "  NEXT\n"
       "  SELECT X\n"
       "  GOTO\n"
       "  OPEN \"A\" FOR WRITE AS 1\n"
       "  OPEN \"A\" ACCESS LOCK AS 1\n"
       "  PUT #1 X\n"
       "  PRINT #1 X\n"
       "  LSET = 1\n"
       "END SUB\n",
       {"2:22: error: expected AS and a file number",
        "3:12: error: expected AS: NAME old AS new",
        "4:18: error: ON ERROR is followed by GOTO label, GOTO 0 or RESUME NEXT",
        "5:13: error: expected a label",
        "6:7: error: expected '#' and a file number",
        "7:15: error: expected ',' after the prompt",
        "8:10: error: OPTION knows only CONSOLE: OPTION CONSOLE TRUE",
        "9:8: error: CLOSE needs a file number (RESET closes every file)",
        "10:19: error: expected AS and a type, as in DIM COUNT AS LONG",
        "11:12: error: unknown type 'WHOLE'",
        "12:7: error: 'PRINT' is a keyword and cannot name a variable",
        "13:8: error: expected the loop variable",
        "14:9: error: expected '=' after the loop variable",
        "15:13: error: expected TO (FOR I = 1 TO 10)",
        "16:23: error: a STEP of 0 raises Illegal Use",
        "18:10: error: expected CASE (SELECT CASE value)",
        "19:7: error: GOTO needs a label",
        "20:21: error: expected APPEND, BINARY, INPUT, OUTPUT or RANDOM after FOR",
        "21:19: error: expected READ, WRITE or READ WRITE after ACCESS",
        "22:10: error: expected ','",
        "23:12: error: expected ',' after the file number",
        "24:8: error: expected the name of a variable",
        "25:1: error: END SUB with the SELECT CASE of line 18 still open (missing END CASE?)",
        "25:1: error: END SUB with the FOR of line 15 still open (missing NEXT?)",
        "25:1: error: END SUB with the FOR of line 14 still open (missing NEXT?)",
        "25:1: error: END SUB with the FOR of line 13 still open (missing NEXT?)"}},
      {"a statement that starts with no word",
       "SUB MAIN\n"
       "  (X) = 1\n"
       "END SUB\n",
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
       "DIM T(2) AS LONG\n"
       "SUB MAIN\n"
       "  DIM\n"
       "  DIM M(1, 2, 3, 4) AS LONG\n"
       "  DIM N AS\n"
       "  GET #1, , 5\n"
       "  INPUT #1, 5\n"
       "  PRINT TAB(1; \"x\"\n"
       "  X = T(1, 2, 3, 4)\n"
       "  LET = 5\n"
       "END SUB\n",
       {"3:6: error: expected the name of a variable", "4:20: error: an array has 1 to 3 bounds",
        "5:11: error: expected a type after AS", "6:13: error: expected the variable to read into",
        "7:13: error: expected the name of a variable", "8:14: error: expected ')'",
        "9:7: error: an element of 'T' has 1 to 3 indices",
        "10:7: error: expected the name of a variable"}},
  });
}

}  // namespace
}  // namespace vorna::testing
