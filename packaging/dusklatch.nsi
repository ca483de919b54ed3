; Dusklatch setup: installs the release folder for every user of the machine.
;
; packaging/make-packages.sh runs makensis with these defined:
;   PRODUCT_NSH  version, publisher and copyright (made by CMake)
;   FILES_NSH    the release folder's files as install and uninstall steps
;   APP_ICON     the program's icon, also the setup's and the uninstaller's
;   WIZARD_BMP   the picture of the welcome and finish pages
;   OUT_FILE     the setup program to write
;
; Each user's config.ini and system.vvc live in <application data>\Dusklatch (the
; program reads installed.txt beside its exe to know it was installed); the copies in
; the program folder are only what a user's folder starts from.
;
; Command line: /S silent; /NOAUTOSTART leaves out starting with Windows. The
; uninstaller: /S silent, keeping the users' settings and schedules unless /REMOVEDATA.

Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "${PRODUCT_NSH}"
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "WinVer.nsh"
!include "x64.nsh"
!addincludedir "${__FILEDIR__}"
!include "user_keys.nsh"

!define PRODUCT "Dusklatch"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define WEB_ADDRESS "http://www.dusklatch.example/"
!define MARKER "installed.txt"

Name "${PRODUCT}"
OutFile "${OUT_FILE}"
; $PROGRAMFILES is the 32-bit Program Files folder on 64-bit Windows too.
InstallDir "$PROGRAMFILES\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION_DOTS}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "${COPYRIGHT}"

!define MUI_ICON "${APP_ICON}"
!define MUI_UNICON "${APP_ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WIZARD_BMP}"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${WIZARD_BMP}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_SMALLDESC

!define MUI_WELCOMEPAGE_TEXT "Setup will install ${PRODUCT} ${VERSION} for every user of this computer.$\r$\n$\r$\n${PRODUCT} lives in the notification area. It shuts down, restarts, logs off, suspends, hibernates or locks the computer at once, after a countdown or on a schedule, and clears traces of your activity.$\r$\n$\r$\nSettings and schedules are kept for each user and survive an upgrade.$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"
!define MUI_FINISHPAGE_RUN_FUNCTION StartInstalledProgram
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
; The settings and schedules the uninstaller carries to compare with are no space to show.
!define MUI_PAGE_CUSTOMFUNCTION_SHOW un.HideSpaceRequired
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_UNPAGE_FINISH

!insertmacro MUI_LANGUAGE "English"

; ---------------------------------------------------------------------------------
; A running copy holds its exe (and would write its files while they change): both
; setup and uninstaller end it first, after asking unless silent. The program ends
; through its message loop, which removes its tray icon; if it does not within five
; seconds it is stopped. Settings and schedules are written at each save, so nothing
; stored is lost either way.
!macro DEFINE_END_RUNNING_COPY un
Function ${un}EndRunningCopy
  FindWindow $0 "frmMain1"
  ${If} $0 == 0
    FindWindow $0 "frmsplash1"
  ${EndIf}
  ${If} $0 == 0
    Return
  ${EndIf}
  MessageBox MB_OKCANCEL|MB_ICONEXCLAMATION "${PRODUCT} is running. It will be closed before going on." /SD IDOK IDOK +2
  Quit
  System::Call "user32::GetWindowThreadProcessId(p r0, *i .r1)"
  ; SYNCHRONIZE | PROCESS_TERMINATE
  System::Call "kernel32::OpenProcess(i 0x00100001, i 0, i r1) p .r2"
  ; WM_QUIT ends its message loop as a normal end would.
  System::Call "user32::PostMessage(p r0, i 0x0012, p 0, p 0)"
  ${If} $2 P<> 0
    System::Call "kernel32::WaitForSingleObject(p r2, i 5000) i .r3"
    ${If} $3 != 0
      System::Call "kernel32::TerminateProcess(p r2, i 1)"
      System::Call "kernel32::WaitForSingleObject(p r2, i 5000)"
    ${EndIf}
    System::Call "kernel32::CloseHandle(p r2)"
  ${Else}
    Sleep 2000
  ${EndIf}
FunctionEnd
!macroend
!insertmacro DEFINE_END_RUNNING_COPY ""
!insertmacro DEFINE_END_RUNNING_COPY "un."

; A DLL that Explorer has loaded can be neither replaced nor deleted, but it can be
; moved aside: the new one takes its name and the old one goes at the next restart.
; One that cannot even be moved is replaced at the next restart.
!macro DUSK_PUT_HELD_FILE SOURCE NAME
  Delete "$OUTDIR\${NAME}"
  ${If} ${FileExists} "$OUTDIR\${NAME}"
    GetTempFileName $R9 "$OUTDIR"
    Delete "$R9"
    Rename "$OUTDIR\${NAME}" "$R9"
    ${If} ${FileExists} "$R9"
      Delete /REBOOTOK "$R9"
    ${EndIf}
  ${EndIf}
  ${If} ${FileExists} "$OUTDIR\${NAME}"
    File "/oname=${NAME}.new" "${SOURCE}"
    Rename /REBOOTOK "$OUTDIR\${NAME}.new" "$OUTDIR\${NAME}"
  ${Else}
    File "/oname=${NAME}" "${SOURCE}"
  ${EndIf}
!macroend

; config.ini: an upgrade keeps the one there (what users' folders start from, or the
; settings an older copy kept beside the exe).
!macro DUSK_PUT_USER_FILE SOURCE NAME
  SetOverwrite off
  File "/oname=${NAME}" "${SOURCE}"
  SetOverwrite on
!macroend

; Uninstalling removes a shipped settings file from the program folder only while it is
; still exactly as shipped; a changed one is someone's settings.
!macro DUSK_REMOVE_IF_UNCHANGED SOURCE NAME
  InitPluginsDir
  File "/oname=$PLUGINSDIR\${NAME}" "${SOURCE}"
  Push "$INSTDIR\${NAME}"
  Push "$PLUGINSDIR\${NAME}"
  Call un.SameContent
  Pop $R0
  ${If} $R0 == 1
    Delete "$INSTDIR\${NAME}"
  ${EndIf}
!macroend

!include "${FILES_NSH}"

Section "${PRODUCT}" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  !insertmacro DUSK_INSTALL_FILES
  SetOutPath "$INSTDIR"
  File "/oname=${MARKER}" "${MARKER_SOURCE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  SetShellVarContext all
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\${PRODUCT}.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PRODUCT}.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "${WEB_ADDRESS}"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Start ${PRODUCT} when Windows starts" SecAutostart
  WriteRegStr HKLM "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\${PRODUCT}.exe"'
SectionEnd

Section "-Size and start choice"
  ${IfNot} ${SectionIsSelected} ${SecAutostart}
    DeleteRegValue HKLM "${RUN_KEY}" "${PRODUCT}"
  ${EndIf}
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "The program, its files and a Start-menu folder."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecAutostart} "Start ${PRODUCT} in the notification area whenever a user logs on, so that timers and schedules can run."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function .onInit
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/NOAUTOSTART" $R1
  ${IfNot} ${Errors}
    !insertmacro UnselectSection ${SecAutostart}
  ${EndIf}
  ; An upgrade keeps the earlier choice about starting with Windows.
  ReadRegStr $R1 HKLM "${UNINSTALL_KEY}" "DisplayVersion"
  ReadRegStr $R2 HKLM "${RUN_KEY}" "${PRODUCT}"
  ${If} $R1 != ""
  ${AndIf} $R2 == ""
    !insertmacro UnselectSection ${SecAutostart}
  ${EndIf}
  Call EndRunningCopy
FunctionEnd

; Started from the finish page: on Vista and later setup runs elevated, and the program
; should run as the user who is logged on, so Explorer starts it.
Function StartInstalledProgram
  ${If} ${AtLeastWinVista}
    Exec '"$WINDIR\explorer.exe" "$INSTDIR\${PRODUCT}.exe"'
  ${Else}
    Exec '"$INSTDIR\${PRODUCT}.exe"'
  ${EndIf}
FunctionEnd


; ---------------------------------------------------------------------------------
; Pushed: two paths; pops 1 when both files hold the same bytes, 0 otherwise.
Function un.SameContent
  Exch $1
  Exch
  Exch $0
  Push $2
  Push $3
  Push $4
  Push $5
  StrCpy $5 0
  ClearErrors
  FileOpen $2 $0 r
  FileOpen $3 $1 r
  ${IfNot} ${Errors}
    ${Do}
      ClearErrors
      FileReadByte $2 $4
      ${If} ${Errors}
        FileReadByte $3 $4
        ${If} ${Errors}
          StrCpy $5 1
        ${EndIf}
        ${Break}
      ${EndIf}
      FileReadByte $3 $0
      ${If} ${Errors}
      ${OrIf} $0 != $4
        ${Break}
      ${EndIf}
    ${Loop}
  ${EndIf}
  FileClose $2
  FileClose $3
  StrCpy $0 $5
  Pop $5
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

Section "un.${PRODUCT}" UnSecProgram
  SectionIn RO
  !insertmacro DUSK_UNINSTALL_FILES
  !insertmacro DUSK_REMOVE_SHIPPED_USER_FILES
  Delete "$INSTDIR\${MARKER}"
  Delete "$INSTDIR\uninstall.exe"

  SetShellVarContext all
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  DeleteRegValue HKLM "${RUN_KEY}" "${PRODUCT}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  !insertmacro DUSK_REMOVE_USER_KEYS
SectionEnd

!macro DUSK_DELETE_USER_DATA FOLDER
  Delete "${FOLDER}\config.ini"
  Delete "${FOLDER}\system.vvc"
  Delete "${FOLDER}\system.vvc-journal"
  Delete "${FOLDER}\system.vvc-wal"
  Delete "${FOLDER}\system.vvc-shm"
!macroend

Section /o "un.Your settings and schedules" UnSecData
  ; Those of the user who uninstalls, and any an older copy kept beside the exe.
  !insertmacro DUSK_DELETE_USER_DATA "$INSTDIR"
  SetShellVarContext current
  !insertmacro DUSK_DELETE_USER_DATA "$APPDATA\${PRODUCT}"
  RMDir "$APPDATA\${PRODUCT}"
SectionEnd

; Kept settings keep the folder; a held DLL takes it along at the next restart.
Section "-un.Program folder"
  ${If} ${RebootFlag}
    RMDir /REBOOTOK "$INSTDIR"
  ${Else}
    RMDir "$INSTDIR"
  ${EndIf}
SectionEnd

!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${UnSecProgram} "The program, its Start-menu folder and its registry entries."
  !insertmacro MUI_DESCRIPTION_TEXT ${UnSecData} "Also delete your settings (config.ini) and schedules (system.vvc). Leave this clear to keep them for a later install."
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END

Function un.HideSpaceRequired
  FindWindow $0 "#32770" "" $HWNDPARENT
  GetDlgItem $0 $0 1023
  ShowWindow $0 ${SW_HIDE}
FunctionEnd

Function un.onInit
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/REMOVEDATA" $R1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${UnSecData}
  ${EndIf}
  Call un.EndRunningCopy
FunctionEnd

