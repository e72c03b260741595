; The entry in the list of installed programs, in the scope of the installation
; (SHCTX follows SetShellVarContext). SECTION is the section whose size it reports.
!define KALV_CREATED_LIST "CreatedListKey"

!macro KalvWriteUninstallEntry SECTION
  ; A user's first per-user program creates the list itself; noted so that the
  ; uninstaller takes it away again. An upgrade finds it and keeps the first note.
  ClearErrors
  EnumRegKey $0 SHCTX "${KALV_UNINSTALL_LIST}" 0
  ${If} ${Errors}
    WriteRegDWORD SHCTX "${KALV_UNINSTALL_KEY}" "${KALV_CREATED_LIST}" 1
  ${EndIf}
  WriteRegStr SHCTX "${KALV_UNINSTALL_KEY}" "DisplayName" "${KALV_NAME}"
  WriteRegStr SHCTX "${KALV_UNINSTALL_KEY}" "DisplayVersion" "${KALV_VERSION}"
  WriteRegStr SHCTX "${KALV_UNINSTALL_KEY}" "Publisher" "${KALV_PUBLISHER}"
  WriteRegStr SHCTX "${KALV_UNINSTALL_KEY}" "URLInfoAbout" "${KALV_WEBSITE}"
  WriteRegStr SHCTX "${KALV_UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${KALV_PROGRAM},0"
  WriteRegStr SHCTX "${KALV_UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${KALV_UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${KALV_UNINSTALLER}"'
  WriteRegStr SHCTX "${KALV_UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${KALV_UNINSTALLER}" /S'
  WriteRegDWORD SHCTX "${KALV_UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${KALV_UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize ${SECTION} $0
  WriteRegDWORD SHCTX "${KALV_UNINSTALL_KEY}" "EstimatedSize" $0
!macroend

Function un.KalvRemoveUninstallEntry
  ReadRegDWORD $0 SHCTX "${KALV_UNINSTALL_KEY}" "${KALV_CREATED_LIST}"
  DeleteRegKey SHCTX "${KALV_UNINSTALL_KEY}"
  ${If} $0 = 1
    DeleteRegKey /ifempty SHCTX "${KALV_UNINSTALL_LIST}"
  ${EndIf}
FunctionEnd
