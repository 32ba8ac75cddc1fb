' STDFILE objects: properties, the Open and Save As dialogs through the
' answers file, and the errors of members.
' answers: open OK C:\Data\notes.txt
' answers: save Cancel
' answers: save OK report
' answers: 8* error Ignore
' stderr: [open dialog] "Choose a file"
' stderr:   filter: Text files (*.TXT), All files (*.*)
' stderr:   file: start.txt
' stderr: [save dialog] "Save As"
' stderr: message: Undefined Object Property/Method Error
' stderr: message: Syntax Error
' stderr: message: Type Mismatch Error
' stderr: message: String Too Long Error
SUB MAIN
  OPTION CONSOLE TRUE
  DIM D AS STDFILE
  PRINT D.FLAGS ' expect: 524288
  PRINT "[" & D.FILE & D.FILTER & D.TITLE & D.DEFEXT & D.INITIALDIR & D.FILETITLE & D.CUSTOMFILTER & "]" ' expect: []
  D.FILTER = "Text files|*.TXT|All files|*.*"
  PRINT D.FILTER ' expect: Text files|*.TXT|All files|*.*
  d.Title = "Choose a file"
  D.FILE = "start.txt"
  IF D.GETOPENNAME THEN PRINT "chose " & D.FILE ' expect: chose C:\Data\notes.txt
  PRINT D.FILETITLE ' expect: notes.txt
  PRINT D.CUSTOMFILTER ' expect: Text files
  D.TITLE = ""
  IF NOT D.GETSAVENAME THEN PRINT "cancelled, still " & D.FILE ' expect: cancelled, still C:\Data\notes.txt
  D.INITIALDIR = "C:\Out"
  D.DEFEXT = "txt"
  PRINT D.GETSAVENAME ' expect: true
  PRINT D.FILE ' expect: C:\Out\report.txt
  D.FLAGS = 3.7
  PRINT D.FLAGS ' expect: 3
  ' D2 = D1 leaves both objects as they were.
  DIM E AS STDFILE
  E.FILE = "mine"
  E = D
  PRINT E.FILE & " " & D.FILE ' expect: mine C:\Out\report.txt
  ' Arrays hold fresh objects.
  DIM A(2) AS STDFILE
  A(2).FILE = "second"
  PRINT "[" & A(1).FILE & "] " & A(2).FILE ' expect: [] second
  PRINT A(1).FLAGS ' expect: 524288
  ' The failures, each shown by the error dialog and ignored.
  PRINT D.NOSUCH ' check: 11: error: unknown member 'NOSUCH' of a STDFILE object
  D.GETOPENNAME ' check: 3: error: 'D.GETOPENNAME' is a value, not a statement: use it in an expression, as in IF D.GETOPENNAME THEN
  D.GETOPENNAME = 1 ' check: 5: error: 'GETOPENNAME' of a STDFILE object cannot be assigned
  D.FLAGS = "x"
  D.FLAGS = TRUE
  D.FILE = 5
  DIM LONGTEXT AS STRING
  LONGTEXT = "x"
  FOR I = 1 TO 11: LONGTEXT = LONGTEXT & LONGTEXT: NEXT I
  D.TITLE = LONGTEXT
  D.FILE "no equals": REM the assignment test sees no "=": a named call, so "Syntax" ' check: 3: error: expected '=' after D.FILE
  PRINT D.FILE ' expect: C:\Out\report.txt
  PRINT "[" & D.TITLE & "]" ' expect: []
  D.TITLE = LEFT(LONGTEXT, 2047)
  PRINT LEN(D.TITLE) ' expect: 2047
  DIM C AS CHARACTER
  C = "Q"
  D.TITLE = C
  PRINT D.TITLE ' expect: Q
END SUB
