; For whom the setup installs. Started normally it asks for no rights and installs for
; the current user under the user's programs folder; started elevated it installs for all
; users under Program Files, and its pages offer the choice. /CurrentUser and /AllUsers
; choose on the command line, /D= the folder.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${KALV_NAME}"
; A second setup finds the first one's scope and folder and upgrades it in place.
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${KALV_UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${KALV_UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_FUNCTION KalvKeepCommandLineFolder
; The uninstaller takes its scope from where its own installation registered.
!define MULTIUSER_NOUNINSTALL
!include MultiUser.nsh
; Highest would make every administrator confirm an elevation; the per-user install
; needs none, so elevation stays the user's choice.
RequestExecutionLevel user

Var KalvCommandLineFolder

; Choosing a scope sets its default folder; a folder given with /D= wins over it.
Function KalvKeepCommandLineFolder
  ${If} $KalvCommandLineFolder != ""
    StrCpy $INSTDIR $KalvCommandLineFolder
  ${EndIf}
FunctionEnd

Function .onInit
  StrCpy $KalvCommandLineFolder $INSTDIR
  !insertmacro MULTIUSER_INIT
FunctionEnd

; An installation for all users is registered under HKLM with its folder; anything else
; was installed for the current user. Removing an all-users installation needs the rights
; that wrote it, so an unelevated start asks for them once.
Function un.onInit
  ReadRegStr $0 HKLM "${KALV_UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    UserInfo::GetAccountType
    Pop $1
    ${If} $1 != "Admin"
      ${GetOptions} $CMDLINE "/Elevated" $2
      ${If} ${Errors}
        StrCpy $2 "/Elevated"
        ${If} ${Silent}
          StrCpy $2 "/Elevated /S"
        ${EndIf}
        ExecShell "runas" "$INSTDIR\${KALV_UNINSTALLER}" $2
        Quit
      ${EndIf}
      MessageBox MB_OK|MB_ICONSTOP "$(KalvNeedsAdministrator)" /SD IDOK
      Quit
    ${EndIf}
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
FunctionEnd
