; The Windows installer of Anodisation, built by installer/CMakeLists.txt:
;   makensis -DVERSION=1.0.0 -DSTAGE=<folder with the programs> -DOUTFILE=<setup.exe>
;            [-DWITH_WINDOW] anodisation.nsi
; French pages; installs into Program Files (64-bit), adds the Start-menu
; shortcut "Anodisation" for the window program when it is part of the
; build, and registers its uninstaller in Add/Remove Programs. /S installs
; and uninstalls silently.
; A 64-bit installer: it runs where the 64-bit programs it carries run, and
; sees the 64-bit Program Files and registry without redirection.
Target amd64-unicode
SetCompressor /SOLID lzma

!include "MUI2.nsh"

!define PRODUCT "Anodisation"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Anodisation"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
RequestExecutionLevel admin
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1036 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1036 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "FileDescription" "Installation d'Anodisation"
VIAddVersionKey /LANG=1036 "LegalCopyright" "Anodisation"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

Function .onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Anodisation"
  SetOutPath "$INSTDIR"
  File "${STAGE}\anodisation-calc.exe"
!ifdef WITH_WINDOW
  File "${STAGE}\anodisation.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\anodisation.exe"
!endif
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
!ifdef WITH_WINDOW
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\anodisation.exe"
!endif
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$INSTDIR\anodisation-calc.exe"
  Delete "$INSTDIR\anodisation.exe"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
