' SETREGISTRY creates the keys missing along its path and writes text values,
' which REGISTRY then reads back; SPECIALFOLDER reads the prepared lists.
' registry: [HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders]
' registry: "Common Desktop"=""
' registry: [HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders]
' registry: "Recient"="C:\\Users\\User\\Recient"
' registry: "Desktop"="D:\\Mine"
' answers: error Ignore
' stderr: message: Illegal Use Error
SUB MAIN
  OPTION CONSOLE TRUE
  SETREGISTRY "HKEY_CURRENT_USER\Software\Vorna\A\B", "Name", "Value"
  PRINT REGISTRY("HKEY_CURRENT_USER\Software\Vorna\A\B", "Name") ' expect: Value
  SETREGISTRY "hkey_current_user\Software\Vorna\A\B", "Name", "Second"
  PRINT REGISTRY("HKEY_CURRENT_USER\Software\Vorna\A\B", "Name") ' expect: Second
  SETREGISTRY "HKEY_CURRENT_USER\Software\Vorna\A\B", "", "Default"
  PRINT REGISTRY("HKEY_CURRENT_USER\Software\Vorna\A\B", "") ' expect: Default
  SETREGISTRY "Software\Vorna", "M", "machine"
  PRINT REGISTRY("HKEY_LOCAL_MACHINE\Software\Vorna", "M") ' expect: machine
  ' A key made on the way holds no value: reading one is "Illegal Use".
  PRINT "[" & REGISTRY("HKEY_CURRENT_USER\Software\Vorna\A", "Name") & "]"
  PRINT SPECIALFOLDER("RECIENT") ' expect: C:\Users\User\Recient
  ' An empty all-users value falls back to the user's own folder.
  PRINT SPECIALFOLDER("DESKTOP") ' expect: D:\Mine
  PRINT "done" ' expect: done
END SUB
