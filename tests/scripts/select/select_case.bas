' SELECT CASE with lists, TO, IS, CASE ELSE, nesting and no match.
SUB MAIN
  OPTION CONSOLE TRUE
  FOR I = 1 TO 8
    SELECT CASE I
    CASE 1
      PRINT "one";
    CASE 2, 3
      PRINT "two-three";
    CASE 4 TO 5
      PRINT "four-five";
    CASE IS > 6
      PRINT "big";
    CASE ELSE
      PRINT "else";
    END CASE
    PRINT " ";
  NEXT
  PRINT ' expect: one two-three two-three four-five four-five else big big 
  ' No matching clause and no CASE ELSE continues after END CASE.
  SELECT CASE "Z"
  CASE "A"
    PRINT "never"
  END CASE
  PRINT "none" ' expect: none
  ' A nested SELECT inside a clause that does not match is skipped whole.
  X = 2
  SELECT CASE X
  CASE 1
    SELECT CASE X
    CASE 2
      PRINT "inner never"
    END CASE
  CASE 2
    SELECT CASE "B"
    CASE "A": PRINT "no"
    CASE "B": PRINT "inner B"
    END CASE
    PRINT "outer 2"
  END CASE
  ' expect: inner B
  ' expect: outer 2
  ' Only the first matching clause runs; strings compare as texts.
  SELECT CASE "M"
  CASE "A" TO "Z": PRINT "letter"
  CASE "M": PRINT "never"
  END CASE
  ' expect: letter
  ' A TO range matches its lower end even when reversed.
  SELECT CASE 9
  CASE 9 TO 1: PRINT "lower end"
  END CASE
  ' expect: lower end
END SUB
