; A demo run that was cut off still needs the installation (the stored Quake 3 executables
; to switch back with), so the uninstaller asks the player to put back what it can first
; and removes nothing while a run is still pending.

; $0: the games whose runs are still pending, as the player names them ("" for none).
Function un.KalvPendingRestores
  Push $1
  Push $2
  Push $3
  StrCpy $0 ""
  StrCpy $1 0
  ${Do}
    EnumRegKey $2 HKCU "${KALV_JOURNAL_KEY}" $1
    ${If} $2 == ""
      ${ExitDo}
    ${EndIf}
    IntOp $1 $1 + 1
    ReadRegStr $3 HKCU "${KALV_JOURNAL_KEY}\$2" "Complete"
    ${If} $3 == "1"
      ${Select} $2
        ${Case} "Q3A"
          StrCpy $2 "Quake 3 Arena"
        ${Case} "STVEF"
          StrCpy $2 "Elite Force"
        ${Case} "HL"
          StrCpy $2 "Half-Life"
        ${Case} "Q1"
          StrCpy $2 "Quake 1"
        ${Case} "Q2"
          StrCpy $2 "Quake 2"
        ${Case} "UT"
          StrCpy $2 "Unreal Tournament"
      ${EndSelect}
      ${If} $0 == ""
        StrCpy $0 $2
      ${Else}
        StrCpy $0 "$0, $2"
      ${EndIf}
    ${EndIf}
  ${Loop}
  Pop $3
  Pop $2
  Pop $1
FunctionEnd

; The player's own files in the user's local application data (its run log, which the
; /restore run above writes too, and the demo library's cache), and their folder once
; nothing else is in it. They are the user's, whichever scope the installation had.
!macro KalvRemoveRunLog
  SetShellVarContext current
  Delete "$LOCALAPPDATA\${KALV_NAME}\${KALV_NAME}.log"
  Delete "$LOCALAPPDATA\${KALV_NAME}\Demo Library.cache"
  Delete "$LOCALAPPDATA\${KALV_NAME}\Demo Library.cache.new"
  RMDir "$LOCALAPPDATA\${KALV_NAME}"
!macroend

; Puts back what the player can, then stops the uninstall while anything is pending.
!macro KalvFinishPendingRestores
  ${If} ${FileExists} "$INSTDIR\${KALV_PROGRAM}"
    ExecWait '"$INSTDIR\${KALV_PROGRAM}" /restore'
  ${EndIf}
  Call un.KalvPendingRestores
  ${If} $0 != ""
    MessageBox MB_ICONSTOP|MB_OK "$(KalvRestorePending)" /SD IDOK
    SetErrorLevel 3
    Abort "$(KalvRestorePending)"
  ${EndIf}
!macroend
