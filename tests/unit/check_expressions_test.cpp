// The checker on expressions and calls: argument counts and forms of the
// built-in functions, of the install object's words and of the script's
// own procedures, and the operands the evaluator would misread.
#include "tests/unit/support/check_fixture.h"

namespace vorna::testing {
namespace {

TEST(CheckExpressions, EachMistakeIsNamedWhereItStands) {
  ExpectDiagnostics({
      {"argument counts of functions",
       "SUB MAIN\n"
       "  X = LEFT(\"abc\")\n"
       "  X = MID(\"a\", 1, 2, 3)\n"
       "  X = INSTR(\"a\")\n"
       "  X = LEN(\"a\", \"b\")\n"
       "END SUB\n",
       {"2:7: error: 'LEFT' takes 2 arguments, not 1",
        "3:7: error: 'MID' takes 2 or 3 arguments, not 4",
        "4:7: error: 'INSTR' takes 2 to 4 arguments, not 1",
        "5:7: error: 'LEN' takes 1 argument, not 2"}},
      {"how functions are written",
       "SUB MAIN\n"
       "  X = LEN$(\"a\")\n"
       "  X = LEN \"a\"\n"
       "  X = RND\n"
       "  X = RND(1)\n"
       "  X = FREEFILE()\n"
       "  X = ERR\n"
       "  X = ERR.SOURCE\n"
       "  X = DATE$\n"
       "  X = TAB(3)\n"
       "END SUB\n",
       {"2:10: error: 'LEN' takes no '$'", "3:11: error: 'LEN' needs its arguments in parentheses",
        "4:10: error: 'RND' needs its empty parentheses: RND()",
        "5:11: error: 'RND' takes no arguments: RND()",
        "6:15: error: 'FREEFILE' takes no parentheses",
        "7:10: error: ERR needs a member, as in ERR.NUMBER",
        "8:7: error: unknown member 'SOURCE' of ERR",
        "9:7: error: 'DATE' is not available: it raises error 27 Functionality Not Implemented",
        "10:7: error: TAB stands only among the items of PRINT"}},
      {"keywords that are no values",
       "SUB MAIN\n"
       "  X = STRING(3)\n"
       "  X = ERROR(5)\n"
       "  X = A AND NOT B\n"
       "  X = IS\n"
       "  X = PRINT\n"
       "END SUB\n",
       {"2:7: error: STRING is a type name in an expression: CSTR makes text of a number",
        "3:7: error: ERROR is no function: ERR.DESCRIPTION names the last error",
        "4:13: error: NOT applies only at the start of an expression: put it in parentheses, as in "
        "A AND (NOT B)",
        "5:7: error: IS stands only in CASE IS",
        "6:7: error: 'PRINT' cannot stand in an expression"}},
      {"broken expressions",
       "SUB MAIN\n"
       "  X = (1 + 2\n"
       "  X = 1 +\n"
       "  X = 1 > = 2\n"
       "  X = 2 * -Y\n"
       "  X = \"open\n"
       "  X = AVERYLONGNAMEOFMORETHANTHIRTYTWOCHARACTERS\n"
       "  X = 1 * ;\n"
       "END SUB\n",
       {"2:13: error: missing ')'", "3:10: error: expected a value",
        "4:11: error: write '>=' without a blank inside it",
        "5:11: error: a sign inside an expression belongs to a number only: -Y reads as 0 here "
        "(write (-Y))",
        "6:7: error: unterminated string: the closing quote is missing",
        "7:7: error: name longer than 32 characters", "8:11: error: expected a value, not ';'"}},
      {"unknown functions",
       "SUB MAIN\n"
       "  X = LENN(\"a\")\n"
       "  X = FOO(1)\n"
       "END SUB\n",
       {"2:7: error: unknown function or array 'LENN' (did you mean 'LEN'?)",
        "3:7: error: unknown function or array 'FOO'"}},
      {"calls of the script's procedures",
       "SUB MAIN\n"
       "  X = TWICE()\n"
       "  X = TWICE(1, 2)\n"
       "  BUMP 5\n"
       "  BUMP\n"
       "  X = SHOW(1)\n"
       "  CALL NOSUCH(1)\n"
       "END SUB\n"
       "FUNCTION TWICE(N)\n"
       "  TWICE = N * 2\n"
       "END FUNCTION\n"
       "SUB BUMP(BYREF V AS LONG)\n"
       "END SUB\n"
       "SUB SHOW(N)\n"
       "END SUB\n",
       {"2:7: error: 'TWICE' takes 1 argument, not 0",
        "3:7: warning: 'TWICE' takes 1 argument: the extra argument is not read",
        "4:8: error: BYREF parameter V of BUMP needs a variable",
        "5:3: error: 'BUMP' takes 1 argument, not 0",
        "6:7: warning: 'SHOW' is a SUB: it gives no value",
        "7:8: error: CALL of 'NOSUCH', which is no SUB or FUNCTION"}},
      {"words of the install object",
       "SUB MAIN\n"
       "  X = CALCSPACE\n"
       "  X = ASKDRIVE()\n"
       "  X = DIRCAT \"a\", \"b\"\n"
       "  X = DIRCAT(\"a\")\n"
       "  X = SPECIALFOLDER(\"DESKTOPP\")\n"
       "  X = ASKLICENSE(\"LICENCE.TXT\")\n"
       "END SUB\n",
       {"2:7: error: 'CALCSPACE' is a statement, not a value: in an expression it reads as 0",
        "3:15: error: 'ASKDRIVE' takes no arguments",
        "4:7: error: 'DIRCAT' needs its arguments in parentheses",
        "5:7: error: 'DIRCAT' takes 2 arguments, not 1",
        "6:21: warning: unknown special folder 'DESKTOPP': SPECIALFOLDER answers \"\" (did you "
        "mean 'DESKTOP'?)",
        "7:18: error: licence entry 'LICENCE.TXT' not found: the dialog would show an empty "
        "licence"}},
      {"members of file dialog objects",
       "SUB MAIN\n"
       "  DIM D AS STDFILE\n"
       "  X = D.FILES\n"
       "  X = E.FILE\n"
       "  D.GETSAVENAME = 1\n"
       "  D.TITEL = \"x\"\n"
       "END SUB\n",
       {"3:9: error: unknown member 'FILES' of a STDFILE object (did you mean 'FILE'?)",
        "4:7: warning: 'E' is not declared AS STDFILE: 'E.FILE' reaches no member",
        "5:5: error: 'GETSAVENAME' of a STDFILE object cannot be assigned",
        "6:5: error: unknown member 'TITEL' of a STDFILE object (did you mean 'TITLE'?)"}},
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
       "SUB MAIN\n"
       "  PRINT LEN(\"A\"))\n"
       "END SUB\n",
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
