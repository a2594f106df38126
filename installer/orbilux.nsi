; The per-user setup program of Orbilux: no administrator rights, the
; program folder under the user's own local programs folder, a Start-menu
; shortcut and an entry in the user's list of installed programs.
;
; Built by installer/CMakeLists.txt, which passes:
;   VERSION       the release, e.g. 0.9.0 (VERSION_QUAD 0.9.0.0 for the file's version record)
;   FILE_LIST     the generated OrbiluxInstallFiles / OrbiluxUninstallFiles macros
;   OUTFILE       where Setup.exe goes
;   ICON          the program's icon
;   PUBLISHER, WEB_HOME
;
; Silent use: Setup.exe /S [/D=C:\Some\Folder] (/D= last, unquoted), and
; Uninstall.exe /S, which keeps the saved layouts and the settings.
;
; What the uninstaller removes is exactly what this script puts in place:
; the files named in FILE_LIST (never a whole folder, so shapes of the
; user's own stay, and so do their folders), the shortcut, the entry, and
; the "start with Windows" value when it starts this copy. Layouts and
; settings go only when the user ticks the box that says so.

Unicode true
; The programs are 64-bit; so is the setup program, which also lets it run
; where no 32-bit program can.
Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma
; A file that can't be written stops the installation: never an install
; with a file silently missing.
AllowSkipFiles off

!include MUI2.nsh
!include LogicLib.nsh
!include nsDialogs.nsh
!include "${FILE_LIST}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Orbilux"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define PROGRAM_KEY "Software\Orbilux"
; Held by the running Orbilux.exe (app/single_instance.h).
!define RUNNING_MUTEX "Local\Orbilux-RunningCopy"
!define SYNCHRONIZE 0x00100000
; The exit code of a setup program or uninstaller that refused to go on.
!define REFUSED 2

Name "Orbilux"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Orbilux"
; Installing again goes over the earlier installation.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Orbilux ${VERSION}"

VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Orbilux.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Orbilux"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Show the README"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

UninstPage custom un.ChoicesPage un.ChoicesPageLeave
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Orbilux"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Orbilux ${VERSION} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (C) ${PUBLISHER}"

; Files in use can't be replaced or removed, and a running copy would
; write its settings after the uninstaller is done. The user closes it and
; retries; a silent run gives up at once with the exit code REFUSED.
!macro RefuseWhileRunning un what
Function ${un}RefuseWhileRunning
    check:
        System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${RUNNING_MUTEX}") p.r0'
        ${If} $0 P= 0
            Return
        ${EndIf}
        System::Call 'kernel32::CloseHandle(p r0)'
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "Orbilux is running.$\r$\n$\r$\nClose it (Exit in its File menu, or in its tray icon's menu), then click Retry to ${what}." \
            /SD IDCANCEL IDRETRY check
    SetErrorLevel ${REFUSED}
    Quit
FunctionEnd
!macroend
!insertmacro RefuseWhileRunning "" "install it"
!insertmacro RefuseWhileRunning "un." "remove it"

Function .onInit
    SetShellVarContext current
    Call RefuseWhileRunning
FunctionEnd

Section "Orbilux" SecProgram
    SectionIn RO
    !insertmacro OrbiluxInstallFiles
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    ; The shortcut starts the program in its own folder.
    SetOutPath "$INSTDIR"
    CreateShortcut "$SMPROGRAMS\Orbilux.lnk" "$INSTDIR\Orbilux.exe" "" "$INSTDIR\Orbilux.exe" 0 SW_SHOWNORMAL "" \
        "Arrange the desktop icons into shapes and keep their layouts"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Orbilux"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Orbilux.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${WEB_HOME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ; In KB, as the list of installed programs shows it.
    SectionGetSize ${SecProgram} $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; ---- The uninstaller ----

Var RemoveUserData
Var RemoveUserDataBox

Function un.onInit
    SetShellVarContext current
    ; The uninstaller deletes files by name in its own folder: copied
    ; anywhere else it could take a README.txt of someone else's with it.
    ${IfNot} ${FileExists} "$INSTDIR\Orbilux.exe"
        MessageBox MB_OK|MB_ICONSTOP "There is no Orbilux to remove in $INSTDIR." /SD IDOK
        SetErrorLevel ${REFUSED}
        Quit
    ${EndIf}
    Call un.RefuseWhileRunning
FunctionEnd

Function un.ChoicesPage
    !insertmacro MUI_HEADER_TEXT "Remove Orbilux" "Remove Orbilux from this computer."
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateLabel} 0 0 100% 40u \
        "Orbilux will be removed from the folder below. Shapes of your own in its Shapes folder stay where they are.$\r$\n$\r$\n$INSTDIR"
    Pop $0
    ${NSD_CreateCheckbox} 0 56u 100% 12u "&Also remove my saved layouts and settings"
    Pop $RemoveUserDataBox
    ${NSD_CreateLabel} 12u 70u -12u 30u \
        "Left unticked, your saved icon layouts (in the registry) and your settings (Documents\Orbilux) stay, and Orbilux finds them again when you install it later."
    Pop $0
    GetDlgItem $0 $HWNDPARENT 1
    SendMessage $0 ${WM_SETTEXT} 0 "STR:$(^UninstallBtn)"
    nsDialogs::Show
FunctionEnd

Function un.ChoicesPageLeave
    ${NSD_GetState} $RemoveUserDataBox $RemoveUserData
FunctionEnd

Section "Uninstall"
    ; Again: the program may have been started while the page was open, and
    ; a file in use would silently stay behind.
    Call un.RefuseWhileRunning
    !insertmacro OrbiluxUninstallFiles
    Delete "$INSTDIR\Uninstall.exe"
    Delete "$SMPROGRAMS\Orbilux.lnk"

    ; Only when it starts this copy: a value that starts a portable copy
    ; elsewhere is that copy's setting.
    ReadRegStr $0 HKCU "${RUN_KEY}" "Orbilux"
    ${If} $0 == '"$INSTDIR\Orbilux.exe"'
        DeleteRegValue HKCU "${RUN_KEY}" "Orbilux"
    ${EndIf}

    ${If} $RemoveUserData == ${BST_CHECKED}
        DeleteRegKey HKCU "${PROGRAM_KEY}"
        Delete "$DOCUMENTS\Orbilux\Settings.ini"
        RMDir "$DOCUMENTS\Orbilux"
        ; Where the settings go when the documents folder can't be found.
        Delete "$INSTDIR\Setting.ini"
    ${EndIf}
    RMDir "$INSTDIR"

    ; Last: an entry that is gone says the removal is complete (the
    ; uninstaller runs on from a copy of itself after its first process
    ; has ended, so a caller can only wait for this).
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
