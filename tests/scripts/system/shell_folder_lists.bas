' SPECIALFOLDER reads the two shell folder lists prepared here: the all-users
' list comes first only for the common folders (an empty value falls back to
' the user's own), other folders are read from the user's list alone, and a
' path that fills the 255-byte buffer reads as "". REGISTRY reads values up
' to its 4096-byte buffer, the terminating zero included.
' registry: [HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders]
' registry: "Common Programs"="C:\\All\\Programs"
' registry: "Common Startup"=""
' registry: "Fonts"="C:\\All\\WrongFonts"
' registry: [HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders]
' registry: "Programs"="C:\\Me\\Programs"
' registry: "Startup"="C:\\Me\\Startup"
' registry: "Fonts"="C:\\Me\\Fonts"
SUB MAIN
  OPTION CONSOLE TRUE
  PRINT SPECIALFOLDER("pRoGrAmS", TRUE) ' expect: C:\All\Programs
  PRINT SPECIALFOLDER("PROGRAMS", FALSE) ' expect: C:\Me\Programs
  PRINT SPECIALFOLDER("STARTUP", TRUE) ' expect: C:\Me\Startup
  PRINT SPECIALFOLDER("FONTS", TRUE) ' expect: C:\Me\Fonts
  DIM L AS STRING
  L = "x"
  FOR I = 1 TO 12: L = L & L: NEXT I
  K = "HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders"
  SETREGISTRY K, "Cookies", LEFT(L, 254)
  SETREGISTRY K, "Cache", LEFT(L, 255)
  PRINT LEN(SPECIALFOLDER("COOKIES", FALSE)) ' expect: 254
  PRINT "[" & SPECIALFOLDER("CACHE", FALSE) & "]" ' expect: []
  SETREGISTRY "HKEY_CURRENT_USER\Software\Long", "Fits", LEFT(L, 4095)
  PRINT LEN(REGISTRY("HKEY_CURRENT_USER\Software\Long", "Fits")) ' expect: 4095
  SETREGISTRY "HKEY_CURRENT_USER\Software\Long", "Over", L
  ON ERROR RESUME NEXT
  X = REGISTRY("HKEY_CURRENT_USER\Software\Long", "Over")
  PRINT ERR.NUMBER ' expect: 13
END SUB
