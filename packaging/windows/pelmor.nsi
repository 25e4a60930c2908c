; The Windows installer of Pelmor. makensis is given:
;   -DVERSION=x.y  -DSTAGE=<folder with pelmor.exe, pelmor-cli.exe, pelmor.ico, README.txt>  -DOUTFILE=<installer>
Unicode true
SetCompressor /SOLID lzma
!include "MUI2.nsh"

Name "Pelmor ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Pelmor"
InstallDirRegKey HKLM "Software\Pelmor" "InstallDir"
RequestExecutionLevel admin
BrandingText "Pelmor ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1045 "ProductName" "Pelmor"
VIAddVersionKey /LANG=1045 "FileDescription" "Instalator programu Pelmor"
VIAddVersionKey /LANG=1045 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1045 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1045 "LegalCopyright" "Pelmor"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pelmor"
!define FILE_TYPE "Pelmor.PlikUstawien"

!define MUI_ICON "${STAGE}\pelmor.ico"
!define MUI_UNICON "${STAGE}\pelmor.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\pelmor.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Uruchom Pelmor"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Polish"

Section "Pelmor" SecMain
  SectionIn RO
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${STAGE}\pelmor.exe"
  File "${STAGE}\pelmor-cli.exe"
  File "${STAGE}\pelmor.ico"
  File "${STAGE}\README.txt"
  WriteUninstaller "$INSTDIR\odinstaluj.exe"

  CreateShortcut "$SMPROGRAMS\Pelmor.lnk" "$INSTDIR\pelmor.exe" "" "$INSTDIR\pelmor.ico" 0 \
    SW_SHOWNORMAL "" "Konfigurator modułu Tervala"

  ; Settings files open in Pelmor on a double click.
  WriteRegStr HKLM "Software\Classes\.ulmar" "" "${FILE_TYPE}"
  WriteRegStr HKLM "Software\Classes\${FILE_TYPE}" "" "Plik ustawień modułu Tervala"
  WriteRegStr HKLM "Software\Classes\${FILE_TYPE}\DefaultIcon" "" "$INSTDIR\pelmor.ico,0"
  WriteRegStr HKLM "Software\Classes\${FILE_TYPE}\shell\open\command" "" '"$INSTDIR\pelmor.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  WriteRegStr HKLM "Software\Pelmor" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Pelmor"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Pelmor"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pelmor.ico"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\odinstaluj.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Pelmor.lnk"
  Delete "$INSTDIR\pelmor.exe"
  Delete "$INSTDIR\pelmor-cli.exe"
  Delete "$INSTDIR\pelmor.ico"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\odinstaluj.exe"
  RMDir "$INSTDIR"

  ; The association is removed only while it is still ours.
  ReadRegStr $0 HKLM "Software\Classes\.ulmar" ""
  StrCmp $0 "${FILE_TYPE}" 0 +2
    DeleteRegKey HKLM "Software\Classes\.ulmar"
  DeleteRegKey HKLM "Software\Classes\${FILE_TYPE}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  DeleteRegKey HKLM "Software\Pelmor"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
