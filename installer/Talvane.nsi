; Talvane's installer and uninstaller. ANSI, so that they run on Windows 98 and Me.
; makensis -DVERSION=1.4.2 -DSTAGE=<folder with the programs and Help.chm> -DOUTFILE=<setup.exe> [-DX64] Talvane.nsi
Unicode false

!ifndef VERSION | STAGE | OUTFILE
!error "VERSION, STAGE and OUTFILE must be defined"
!endif

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "WinMessages.nsh"
!include "x64.nsh"

!define PRODUCT "Talvane"
!define SETTINGS_KEY "Software\Talvane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Talvane"
!define RUN_KEY "SOFTWARE\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Talvane Professional"
; Both the control panel and the engine have windows of this class; their captions tell them from other programs.
!define WINDOW_CLASS "TForm1"
!define PANEL_CAPTION "Talvane Limited Edition"
!define ENGINE_CAPTION "Talvane"

Name "${PRODUCT}"
Caption "Talvane Setup"
UninstallCaption "Talvane Uninstall"
OutFile "${OUTFILE}"
SetCompressor /SOLID lzma
RequestExecutionLevel admin
!ifdef X64
InstallDir "$PROGRAMFILES64\${PRODUCT}"
!else
InstallDir "$PROGRAMFILES\${PRODUCT}"
!endif
; An earlier install's folder: installing again replaces it there.
InstallDirRegKey HKCU "${SETTINGS_KEY}" "CurrentDir2"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Talvane Limited Edition"
VIAddVersionKey "CompanyName" "Talvane Software"
VIAddVersionKey "LegalCopyright" "Talvane Software"
VIAddVersionKey "FileDescription" "Talvane Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "OriginalFilename" "TalvaneSetup.exe"

!define MUI_ICON "${STAGE}\talvane.ico"
!define MUI_UNICON "${STAGE}\talvane.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Talvane.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Talvane now"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Sends WM_CLOSE to `window` (when there is one) and keeps a handle to its process in `process` to wait on.
!macro CLOSE_WINDOW window process
    ${If} ${window} <> 0
        !insertmacro WAIT_AND_CLOSE_PROCESS ${process}
        System::Call 'user32::GetWindowThreadProcessId(p ${window}, *i .r5)'
        ; SYNCHRONIZE: enough to wait for it.
        System::Call 'kernel32::OpenProcess(i 0x100000, i 0, i r5) p .s'
        Pop ${process}
        SendMessage ${window} ${WM_CLOSE} 0 0 /TIMEOUT=1000
    ${EndIf}
!macroend

!macro WAIT_AND_CLOSE_PROCESS process
    ${If} ${process} <> 0
        System::Call 'kernel32::WaitForSingleObject(p ${process}, i 5000)'
        System::Call 'kernel32::CloseHandle(p ${process})'
        StrCpy ${process} 0
    ${EndIf}
!macroend

; Closes the control panel and the engine before their files are replaced or removed. The control panel may ask
; about unapplied changes; until it is gone the user can retry or give up, so nothing is left half-done.
!macro CLOSE_TALVANE un
Function ${un}CloseTalvane
    FindWindow $0 "${WINDOW_CLASS}" "${PANEL_CAPTION}"
    FindWindow $1 "${WINDOW_CLASS}" "${ENGINE_CAPTION}"
    ${If} $0 = 0
    ${AndIf} $1 = 0
        Return
    ${EndIf}
    MessageBox MB_OKCANCEL|MB_ICONINFORMATION "Talvane is running: the control panel, the memory engine or both will be closed first.$\r$\n$\r$\nPress OK to close them, or Cancel to stop." /SD IDOK IDOK close
    SetErrorLevel 2
    Quit
close:
    StrCpy $2 0
    StrCpy $3 0
    StrCpy $4 0
    ${Do}
        FindWindow $0 "${WINDOW_CLASS}" "${PANEL_CAPTION}"
        FindWindow $1 "${WINDOW_CLASS}" "${ENGINE_CAPTION}"
        ${If} $0 = 0
        ${AndIf} $1 = 0
            ; A process whose window is gone may hold its program file and its folder a moment longer.
            !insertmacro WAIT_AND_CLOSE_PROCESS $3
            !insertmacro WAIT_AND_CLOSE_PROCESS $4
            Return
        ${EndIf}
        ${If} $2 = 0
            !insertmacro CLOSE_WINDOW $0 $3
            !insertmacro CLOSE_WINDOW $1 $4
        ${EndIf}
        Sleep 100
        IntOp $2 $2 + 1
        ; Ten seconds, then ask again (or give up when silent).
        ${If} $2 >= 100
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Talvane could not be closed. Close the Talvane control panel, then press Retry." /SD IDCANCEL IDRETRY retry
            SetErrorLevel 2
            Quit
        retry:
            StrCpy $2 0
        ${EndIf}
    ${Loop}
FunctionEnd
!macroend
!insertmacro CLOSE_TALVANE ""
!insertmacro CLOSE_TALVANE "un."

; RequestExecutionLevel makes Vista and later ask for rights; 2000 and XP run Setup as whoever starts it, and a
; user without rights could write neither Program Files, the Windows folder nor HKEY_LOCAL_MACHINE. 98 and Me
; answer "Admin". Exit code 740: elevation required.
!macro REQUIRE_ADMIN WHAT
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "Admin"
        MessageBox MB_OK|MB_ICONSTOP "${WHAT} needs administrator rights: it writes to Program Files, the Windows folder and the machine-wide registry. Please run it again as an administrator." /SD IDOK
        SetErrorLevel 740
        Quit
    ${EndIf}
!macroend

Function .onInit
!ifdef X64
    ${IfNot} ${RunningX64}
        MessageBox MB_OK|MB_ICONSTOP "This Talvane Setup installs 64-bit programs, which need a 64-bit Windows." /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}
    SetRegView 64
!endif
    !insertmacro REQUIRE_ADMIN "Talvane Setup"
FunctionEnd

Function un.onInit
!ifdef X64
    SetRegView 64
!endif
    !insertmacro REQUIRE_ADMIN "Removing Talvane"
FunctionEnd

Section "Talvane"
    Call CloseTalvane

    SetOutPath "$INSTDIR"
    File "${STAGE}\Talvane.exe"
    File "${STAGE}\VELK_98.exe"
    File "${STAGE}\VELK_ME.exe"
    File "${STAGE}\VELK_XP.exe"
    File "${STAGE}\Help.chm"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    ; Launcher shortcuts start it from the Windows folder, wherever Talvane is installed.
    SetOutPath "$WINDIR"
    File "${STAGE}\VelkLaunch.exe"
    SetOutPath "$INSTDIR"

    ; Only these two: every other setting of an earlier install stays as the user left it.
    WriteRegStr HKCU "${SETTINGS_KEY}" "CurrentDir2" "$INSTDIR"
    WriteRegStr HKCU "${SETTINGS_KEY}" "FirstTime" "1"

    CreateDirectory "$SMPROGRAMS\${PRODUCT}"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}\Talvane.lnk" "$INSTDIR\Talvane.exe"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}\Talvane Help.lnk" "$INSTDIR\Help.chm"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}\Uninstall Talvane.lnk" "$INSTDIR\Uninstall.exe"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Talvane Limited Edition"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Talvane Software"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Talvane.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes only what the installer put there and the Run entry; the user's startup items, disabled items and
; launcher shortcuts are theirs.
Section "Uninstall"
    Call un.CloseTalvane

    Delete "$INSTDIR\Talvane.exe"
    Delete "$INSTDIR\VELK_98.exe"
    Delete "$INSTDIR\VELK_ME.exe"
    Delete "$INSTDIR\VELK_XP.exe"
    Delete "$INSTDIR\Help.chm"
    Delete "$INSTDIR\Uninstall.exe"
    ; Not /r: a file the user put there stays, and so does the folder then.
    RMDir "$INSTDIR"
    Delete "$WINDIR\VelkLaunch.exe"

    Delete "$SMPROGRAMS\${PRODUCT}\Talvane.lnk"
    Delete "$SMPROGRAMS\${PRODUCT}\Talvane Help.lnk"
    Delete "$SMPROGRAMS\${PRODUCT}\Uninstall Talvane.lnk"
    RMDir "$SMPROGRAMS\${PRODUCT}"

    DeleteRegValue HKLM "${RUN_KEY}" "${RUN_VALUE}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"

    MessageBox MB_YESNO|MB_ICONQUESTION "Keep your Talvane settings for a later installation?" /SD IDYES IDYES keep
    DeleteRegKey HKCU "${SETTINGS_KEY}"
keep:
SectionEnd
