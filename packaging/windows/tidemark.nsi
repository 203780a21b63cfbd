; Tidemark's Windows installer, per user and without administrator rights.
; scripts/package.sh passes, with /D:
;   VERSION  the project's version (1.0.0)
;   WIDTH    64 or 32: which Tidemark.exe this installs
;   EXE      the Tidemark.exe to install
;   ICON     the .ico rendered from packaging/icon
;   OUTFILE  the installer to write
; The uninstaller removes what this installs and nothing else: the user's
; result files in Documents and the settings under HKCU\Software\Tidemark stay.
;
; "Start measuring when I sign in" (off unless chosen; /STARTATSIGNIN chooses
; it for a silent install) starts `Tidemark.exe --start` from the user's Run
; key: UI Automation needs the user's own unlocked desktop, which a service or
; a task that runs while nobody is signed in does not have.

Unicode true
!if ${WIDTH} == 64
    Target amd64-unicode
!else
    Target x86-unicode
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tidemark"
!define PUBLISHER "Tidemark"
!define UNINSTALLER "uninstall.exe"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; Tidemark.exe's window class; a running copy holds its file open.
!define WINDOW_CLASS "TidemarkForm1"

Name "Tidemark"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tidemark"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Tidemark ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "Tidemark"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "Tidemark ${VERSION} setup (${WIDTH}-bit)"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "LegalCopyright" "The Tidemark developers"

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Tidemark.exe"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

LangString RunningText ${LANG_ENGLISH} "Tidemark is running. Close it, then try again."
LangString RunningText ${LANG_JAPANESE} "Tidemark が起動しています。終了してから、もう一度お試しください。"
LangString SignInSection ${LANG_ENGLISH} "Start measuring when I sign in"
LangString SignInSection ${LANG_JAPANESE} "サインインしたら測定を始める"

!macro RefuseWhileRunning
    FindWindow $0 "${WINDOW_CLASS}"
    ${If} $0 != 0
        MessageBox MB_OK|MB_ICONEXCLAMATION "$(RunningText)" /SD IDOK
        Abort
    ${EndIf}
!macroend

Function un.onInit
    !insertmacro RefuseWhileRunning
FunctionEnd

Section "Tidemark" SecProgram
    SectionIn RO
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "/oname=Tidemark.exe" "${EXE}"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    CreateShortcut "$SMPROGRAMS\Tidemark.lnk" "$INSTDIR\Tidemark.exe" "" "$INSTDIR\Tidemark.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tidemark"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tidemark.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "$(SignInSection)" SecSignIn
    WriteRegStr HKCU "${RUN_KEY}" "Tidemark" '"$INSTDIR\Tidemark.exe" --start'
SectionEnd

; After the sections, whose numbers it needs.
Function .onInit
    !insertmacro RefuseWhileRunning
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/STARTATSIGNIN" $R1
    ${IfNot} ${Errors}
        SectionSetFlags ${SecSignIn} ${SF_SELECTED}
    ${EndIf}
FunctionEnd

; Each file by name: the folder may hold files of the user's, which stay.
Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\Tidemark.lnk"
    Delete "$INSTDIR\Tidemark.exe"
    Delete "$INSTDIR\${UNINSTALLER}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    DeleteRegValue HKCU "${RUN_KEY}" "Tidemark"
    RMDir "$INSTDIR"
SectionEnd
