' UNINSTALLER writes the uninstaller and starts the record with what the run
' made so far; what the run makes afterwards is added as it happens, and
' what lies outside the install's area is left out.
' What the record holds depends on what existed before the run (C:\Apps, the
' Run key, the desktop's path): the sandbox's fresh machine, not a Wine
' prefix other scripts have used. tests/e2e/uninstall.sh covers Windows.
' host: sandbox
SUB MAIN
  OPTION CONSOLE TRUE
  PROGRAMNAME = "Hello"
  INSTALLPATH = "C:\Apps\Hello"
  MKDIR "C:\Apps\Hello\docs"
  PRINT UNINSTALLER ' expect: "C:\Apps\Hello\UNINSTALL.EXE" -U "C:\Apps\Hello\UNINSTALL.DAT"
  SETREGISTRY "HKEY_CURRENT_USER\Software\Hello", "Greeting", "Hi"
  SETREGISTRY "HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run", "Hello", "x"
  CREATELINK "C:\Apps\Hello\README.TXT", DIRCAT(SPECIALFOLDER("DESKTOP", FALSE), "Hello.lnk"), ""
  CREATELINK "C:\Apps\Hello\README.TXT", "C:\Hello.lnk", ""
  OPEN "C:\Apps\Hello\UNINSTALL.DAT" FOR INPUT AS #1
  DIM Line AS STRING
  WHILE NOT EOF(1)
    INPUT #1, Line
    IF LEFT$(Line, 4) = "file" THEN Line = LEFT$(Line, 8) + "..."
    PRINT Line
  WEND
  CLOSE #1
END SUB
' expect: VORNA UNINSTALL RECORD 1
' expect: install-folder	C:\Apps\Hello
' expect: product	Hello
' expect: folder	C:\Apps
' expect: folder	C:\Apps\Hello
' expect: folder	C:\Apps\Hello\docs
' expect: file	new...
' expect: key	HKEY_CURRENT_USER\Software\Hello
' expect: value	HKEY_CURRENT_USER\Software\Hello	Greeting
' expect: key	HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run
' expect: shortcut	C:\Users\User\Desktop\Hello.lnk
' expect: end	9
