' MKDIR makes every folder along a path and passes over existing ones;
' RMDIR, CHDIR, KILL and NAME fail as the file system does.
' answers: 5* error Ignore
' stderr: message: Disk Error
' stderr: message: Illegal Use Error
' host: sandbox
SUB MAIN
  OPTION CONSOLE TRUE
  ON ERROR RESUME NEXT
  MKDIR "C:\A\B\C": PRINT "chain made" ' expect: chain made
  MKDIR "C:\A\B": PRINT "existing passed over" ' expect: existing passed over
  MKDIR "C:\A\B\C\D": PRINT "one more" ' expect: one more
  CHDIR "C:\A\B\C\D": PRINT "went in" ' expect: went in
  MKDIR "E\F": PRINT "relative chain" ' expect: relative chain
  CHDIR "E\F": PRINT "relative in" ' expect: relative in
  CHDIR "C:\": PRINT "back at the root" ' expect: back at the root
  RMDIR "C:\A": PRINT "removed a full folder?"
  RMDIR "C:\A\B\C\D\E\F": RMDIR "C:\A\B\C\D\E": PRINT "removed two" ' expect: removed two
  CHDIR "C:\A\B\C\D\E": PRINT "went into a removed folder?"
  RMDIR "C:\NOWHERE": PRINT "removed a missing folder?"
  KILL "C:\NOWHERE.TXT": PRINT "killed a missing file?"
  KILL "C:\*.BAS": PRINT "killed by a wildcard?"
  NAME "C:\TEST.BAS" AS "C:\MOVED.BAS": PRINT "moved" ' expect: moved
  NAME "C:\TEST.BAS" AS "C:\AGAIN.BAS": PRINT "moved a missing file?"
  NAME "C:\MOVED.BAS" AS "C:\STARTUP.CTL": PRINT "moved onto a file?"
  KILL "C:\MOVED.BAS": PRINT "killed" ' expect: killed
  KILL "C:\MOVED.BAS": PRINT "killed twice?"
  ON ERROR GOTO 0
  ' The error dialog names each failure; Ignore goes on.
  KILL "C:\MOVED.BAS"
  NAME "C:\STARTUP.CTL" "C:\X.CTL" ' check: 25: error: expected AS: NAME old AS new
  RMDIR "C:\NOWHERE"
  CHDIR "C:\NOWHERE"
  RMDIR "C:\A"
  PRINT "done" ' expect: done
END SUB
