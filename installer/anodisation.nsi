; The Windows installer of Anodisation, built by installer/CMakeLists.txt:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.1.0 -DARCH=x64|x86 -DSTAGE=<folder with the programs>
;            -DICON=<anodisation.ico> -DWIZARD=<wizard.bmp> -DLICENSE=<LICENSE> -DOUTFILE=<setup.exe>
;            [-DWITH_WINDOW] anodisation.nsi
; French pages: welcome, the licence (GPL), the folder, the files, the end
; with "Lancer Anodisation"; cancelling asks first. Installs into Program
; Files (the 64-bit one for x64), adds the Start-menu shortcuts "Anodisation"
; and "Plan de bain" (anodisation.exe --plan) and the .anodplan files'
; association (opened by the planner, with the program's icon) when the
; window program is part of the build, and registers its uninstaller in
; Add/Remove Programs with the publisher, icon, version and size. The
; uninstaller takes all of it away; the .anodplan extension only while it
; still names our type. /S installs and uninstalls silently.
!if "${ARCH}" == "x64"
  ; A 64-bit installer: it runs where the 64-bit programs it carries run,
  ; and sees the 64-bit Program Files and registry without redirection.
  Target amd64-unicode
  !define PROGRAM_FILES "$PROGRAMFILES64"
  !define REG_VIEW 64
!else
  Target x86-unicode
  !define PROGRAM_FILES "$PROGRAMFILES"
  !define REG_VIEW 32
!endif
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Anodisation"
!define PUBLISHER "Les développeurs d'Anodisation"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Anodisation"
!define PLAN_TYPE "Anodisation.PlanDeBain"
!define PLAN_TYPE_KEY "Software\Classes\${PLAN_TYPE}"
!define PLAN_EXTENSION_KEY "Software\Classes\.anodplan"
; SHChangeNotify's SHCNE_ASSOCCHANGED: Explorer reads the new association.
!define SHCNE_ASSOCCHANGED 0x08000000

Name "${PRODUCT}"
; French elides "de" before a vowel: the language file's "Installation de
; $(^Name)" would read "Installation de Anodisation".
Caption "Installation d'Anodisation"
UninstallCaption "Désinstallation d'Anodisation"
; No installer-maker's name at the bottom of the pages.
BrandingText " "
OutFile "${OUTFILE}"
InstallDir "${PROGRAM_FILES}\${PRODUCT}"
RequestExecutionLevel admin
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1036 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1036 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "FileDescription" "Installation d'Anodisation"
VIAddVersionKey /LANG=1036 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1036 "LegalCopyright" "Logiciel libre sous licence GNU GPL, version 3 ou ultérieure"

; The program's icon and picture instead of the installer-maker's.
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WIZARD}"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${WIZARD}"
!define MUI_ABORTWARNING
!define MUI_ABORTWARNING_TEXT "Voulez-vous vraiment quitter l'installation d'Anodisation ?"
!define MUI_UNABORTWARNING
!define MUI_UNABORTWARNING_TEXT "Voulez-vous vraiment quitter la désinstallation d'Anodisation ?"

!define MUI_WELCOMEPAGE_TITLE "Bienvenue dans l'installation d'Anodisation"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!define MUI_PAGE_HEADER_SUBTEXT "Veuillez patienter pendant l'installation d'Anodisation."
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TITLE "Fin de l'installation d'Anodisation"
!ifdef WITH_WINDOW
  !define MUI_FINISHPAGE_RUN "$INSTDIR\anodisation.exe"
  !define MUI_FINISHPAGE_RUN_TEXT "Lancer Anodisation"
!endif
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_PAGE_HEADER_SUBTEXT "Veuillez patienter pendant la désinstallation d'Anodisation."
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

Function .onInit
  SetRegView ${REG_VIEW}
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView ${REG_VIEW}
  SetShellVarContext all
FunctionEnd

Section "Anodisation"
  SetOutPath "$INSTDIR"
  File "${STAGE}\anodisation-calc.exe"
!ifdef WITH_WINDOW
  File "${STAGE}\anodisation.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\anodisation.exe"
  CreateShortcut "$SMPROGRAMS\Plan de bain.lnk" "$INSTDIR\anodisation.exe" "--plan" "$INSTDIR\anodisation.exe" 0
  WriteRegStr HKLM "${PLAN_EXTENSION_KEY}" "" "${PLAN_TYPE}"
  WriteRegStr HKLM "${PLAN_TYPE_KEY}" "" "Plan de bain d'Anodisation"
  WriteRegStr HKLM "${PLAN_TYPE_KEY}\DefaultIcon" "" "$INSTDIR\anodisation.exe,0"
  WriteRegStr HKLM "${PLAN_TYPE_KEY}\shell\open\command" "" '"$INSTDIR\anodisation.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'
!endif
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
!ifdef WITH_WINDOW
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\anodisation.exe"
!else
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\anodisation-calc.exe"
!endif
  ; In kilobytes, as Add/Remove Programs shows it.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$INSTDIR\anodisation-calc.exe"
  Delete "$INSTDIR\anodisation.exe"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\Plan de bain.lnk"
  DeleteRegKey HKLM "${PLAN_TYPE_KEY}"
  ; Another program may have taken the extension since: it keeps it.
  ReadRegStr $0 HKLM "${PLAN_EXTENSION_KEY}" ""
  StrCmp $0 "${PLAN_TYPE}" 0 +2
    DeleteRegKey HKLM "${PLAN_EXTENSION_KEY}"
  System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
