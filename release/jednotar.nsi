; Installer of Jednotar jednotek, built on Linux with makensis (release/CMakeLists.txt):
;   makensis -INPUTCHARSET UTF8 -DVERSION=2.0.0.1 -DVERSION4=2.0.0.1 -DEXE=.../jednotar.exe
;            -DICON=.../jednotar.ico -DOUTFILE=.../jednotar-2.0.0.1-setup.exe jednotar.nsi
;
; Installs for all users into Program Files when run with administrator
; rights (the default for an administrator; Windows asks for elevation), or
; for the current user into %LOCALAPPDATA%\Programs when run without them.
; Switches: /S silent, /AllUsers or /CurrentUser to pick the mode, /D=folder
; (last) to pick the folder. The uninstaller takes /S; silently it keeps the
; user's setting.

!ifndef VERSION | VERSION4 | EXE | ICON | OUTFILE
  !error "define VERSION, VERSION4, EXE, ICON and OUTFILE on the makensis command line"
!endif

Unicode true
; The program is 64-bit, so is its installer: the 64-bit registry view and
; Program Files without redirection, and a clear refusal on 32-bit Windows.
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!define APP "Jednotar jednotek"
!define PUBLISHER "Brodvik"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"
!define SETTINGS_KEY "Software\Brodvik\${APP}"
!define PUBLISHER_KEY "Software\Brodvik"
; The sheet's window: a dialog with the program's caption.
!define MAIN_WINDOW_CLASS "#32770"

Name "${APP}"
OutFile "${OUTFILE}"
BrandingText "${APP} ${VERSION}"
; No InstallDir: $INSTDIR stays empty unless /D= is given, see .onInit.

; All users or the current user. The install location and the mode of an
; earlier installation come back from its registration.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINST_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINST_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
; The uninstaller finds its mode from its own registration (un.onInit).
!define MULTIUSER_NOUNINSTALL
!define MULTIUSER_INIT_TEXT_ALLUSERSNOTPOSSIBLE "Váš účet nemá oprávnění instalovat program $(^Name) pro všechny uživatele tohoto počítače."
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\jednotar.exe"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Czech"

VIProductVersion "${VERSION4}"
VIFileVersion "${VERSION4}"
VIAddVersionKey /LANG=${LANG_CZECH} "ProductName" "${APP}"
VIAddVersionKey /LANG=${LANG_CZECH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_CZECH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_CZECH} "FileDescription" "Instalace programu ${APP}"
VIAddVersionKey /LANG=${LANG_CZECH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_CZECH} "LegalCopyright" "© ${PUBLISHER}"

; A running copy holds jednotar.exe open: ask for it to be closed. Silently
; there is nobody to ask, so the run fails instead of leaving an old or
; half-removed program behind.
!macro WAIT_FOR_PROGRAM_CLOSED
  ${Do}
    FindWindow $0 "${MAIN_WINDOW_CLASS}" "${APP}"
    ${If} $0 = 0
      ${Break}
    ${EndIf}
    ${IfNot} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Program ${APP} je spuštěný. Zavřete ho, prosím, a klepněte na Opakovat." /SD IDCANCEL IDRETRY`
      SetErrorLevel 2
      Abort
    ${EndIf}
  ${Loop}
!macroend

Function .onInit
  ; /D= has set $INSTDIR; MultiUser would replace it with the default folder.
  StrCpy $1 $INSTDIR
  !insertmacro MULTIUSER_INIT
  ${If} $1 != ""
    StrCpy $INSTDIR $1
  ${EndIf}
FunctionEnd

Section "-${APP}"
  !insertmacro WAIT_FOR_PROGRAM_CLOSED

  SetOutPath "$INSTDIR"
  File "/oname=jednotar.exe" "${EXE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; $SMPROGRAMS and SHCTX follow the mode: all users (HKLM) or the current
  ; user (HKCU), set by MultiUser through SetShellVarContext.
  CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\jednotar.exe" "" "$INSTDIR\jednotar.exe" 0

  WriteRegStr SHCTX "${UNINST_KEY}" "DisplayName" "${APP}"
  WriteRegStr SHCTX "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINST_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\jednotar.exe,0"
  WriteRegStr SHCTX "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINST_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINST_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $2 $3
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD SHCTX "${UNINST_KEY}" "EstimatedSize" "$0"
SectionEnd

Function un.onInit
  ; This uninstaller belongs to the registration that names its folder:
  ; the all-users one in HKLM or else the current user's in HKCU.
  ReadRegStr $0 HKLM "${UNINST_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} $0 == $INSTDIR
    UserInfo::GetAccountType
    Pop $1
    ${If} $1 != "Admin"
      MessageBox MB_OK|MB_ICONSTOP "Program ${APP} je nainstalován pro všechny uživatele. K jeho odebrání jsou potřeba práva správce." /SD IDOK
      SetErrorLevel 5
      Quit
    ${EndIf}
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
FunctionEnd

Section "Uninstall"
  !insertmacro WAIT_FOR_PROGRAM_CLOSED

  Delete "$INSTDIR\jednotar.exe"
  Delete "$INSTDIR\uninstall.exe"
  ; Not /r: a folder the user chose may hold files of their own.
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${APP}.lnk"
  DeleteRegKey SHCTX "${UNINST_KEY}"

  ; The one setting is the user's, kept unless they say otherwise; a silent
  ; uninstall keeps it.
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "Odebrat také uložené nastavení programu (počet desetinných míst)?" /SD IDNO IDNO keep_setting
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "${PUBLISHER_KEY}"
  keep_setting:
SectionEnd
