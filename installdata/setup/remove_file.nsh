; Deleting one installed file. The player or the updater may still be ending when the
; uninstaller starts (the player's Uninstall button hands over and quits), so a file in
; use gets a few seconds before the user is asked; a silent run leaves it.
!macro KalvRemoveFile PATH
  Push "${PATH}"
  Call un.KalvRemoveFile
!macroend

Function un.KalvRemoveFile
  Exch $0
  Push $1
  StrCpy $1 0
  ${DoWhile} ${FileExists} $0
    Delete $0
    ${IfNot} ${FileExists} $0
      ${Break}
    ${EndIf}
    IntOp $1 $1 + 1
    ${If} $1 >= 20
      ${If} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(KalvFileInUse)" /SD IDCANCEL IDCANCEL`
        DetailPrint "$(KalvFileKept)"
        ${Break}
      ${EndIf}
      StrCpy $1 0
    ${EndIf}
    Sleep 250
  ${Loop}
  Pop $1
  Pop $0
FunctionEnd
