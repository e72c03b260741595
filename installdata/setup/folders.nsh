; The folders the setup creates for the installation: its folder and any parents that did
; not exist yet (a user's first per-user program creates "Programs"). They are noted in
; the uninstall entry, deepest first and each followed by "|", and the uninstaller
; removes those that are empty then; folders that were there before are not touched.
!define KALV_CREATED_FOLDERS "CreatedFolders"

Var KalvNewFolders

; Before anything is written: $INSTDIR and its missing parents into $KalvNewFolders.
Function KalvNoteNewFolders
  StrCpy $KalvNewFolders ""
  StrCpy $0 $INSTDIR
  ${DoUntil} $0 == ""
    ${If} ${FileExists} "$0\*.*"
      ${Break}
    ${EndIf}
    StrCpy $KalvNewFolders "$KalvNewFolders$0|"
    ${GetParent} $0 $0
  ${Loop}
FunctionEnd

; An upgrade finds every folder in place; the first installation's note stays.
!macro KalvWriteNewFolders
  ${If} $KalvNewFolders != ""
    WriteRegStr SHCTX "${KALV_UNINSTALL_KEY}" "${KALV_CREATED_FOLDERS}" $KalvNewFolders
  ${EndIf}
!macroend

Function un.KalvRemoveNewFolders
  ReadRegStr $0 SHCTX "${KALV_UNINSTALL_KEY}" "${KALV_CREATED_FOLDERS}"
  ${DoUntil} $0 == ""
    StrCpy $1 0
    ${Do}
      StrCpy $2 $0 1 $1
      ${If} $2 == "|"
      ${OrIf} $2 == ""
        ${Break}
      ${EndIf}
      IntOp $1 $1 + 1
    ${Loop}
    StrCpy $2 $0 $1
    IntOp $1 $1 + 1
    StrCpy $0 $0 "" $1
    RMDir $2
  ${Loop}
FunctionEnd
