; Kalvenmarque's setup program and uninstaller.
;
; The build (installdata/setup/CMakeLists.txt) passes KALV_VERSION, KALV_TREE_NSH (the
; install tree's files), KALV_PROGRAM_ICON and KALV_SETUP_FILE. The setup lays out the
; install tree, lets Assocmend.exe write the associations, adds a Start-menu entry and
; registers its uninstaller; the uninstaller takes away exactly that and leaves the
; user's settings, game folders and demos alone.

Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
ManifestSupportedOS all

!include LogicLib.nsh
!include FileFunc.nsh
!include names.nsh
!include scope.nsh
!include uninstall_entry.nsh
!include remove_file.nsh
!include folders.nsh
!include pending_restore.nsh
!include "${KALV_TREE_NSH}"

Name "${KALV_NAME} ${KALV_VERSION}"
OutFile "${KALV_SETUP_FILE}"
BrandingText "${KALV_NAME} ${KALV_VERSION}"
ShowInstDetails show
ShowUninstDetails show

; The uninstaller is written from the same program and carries the same resource, so it
; names no file of its own.
VIProductVersion "${KALV_VERSION}.0"
VIFileVersion "${KALV_VERSION}.0"
VIAddVersionKey "ProductName" "${KALV_NAME}"
VIAddVersionKey "ProductVersion" "${KALV_VERSION}"
VIAddVersionKey "CompanyName" "${KALV_PUBLISHER}"
VIAddVersionKey "LegalCopyright" "© ${KALV_PUBLISHER}"
VIAddVersionKey "FileDescription" "${KALV_NAME} ${KALV_VERSION} Setup"
VIAddVersionKey "FileVersion" "${KALV_VERSION}"

; Pages
!define MUI_ICON "${KALV_PROGRAM_ICON}"
!define MUI_UNICON "${KALV_PROGRAM_ICON}"
!define MUI_HEADERIMAGE
!define MUI_HEADERIMAGE_RIGHT
!define MUI_HEADERIMAGE_BITMAP "art\header.bmp"
!define MUI_HEADERIMAGE_UNBITMAP "art\header.bmp"
!define MUI_WELCOMEFINISHPAGE_BITMAP "art\wizard.bmp"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "art\wizard.bmp"
!define MUI_ABORTWARNING
!define MUI_UNABORTWARNING

!define MUI_WELCOMEPAGE_TEXT "$(KalvWelcome)"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${KALV_PROGRAM}"
!define MUI_FINISHPAGE_RUN_TEXT "$(KalvStartNow)"
!define MUI_FINISHPAGE_RUN_NOTCHECKED
!insertmacro MUI_PAGE_FINISH

!define MUI_UNCONFIRMPAGE_TEXT_TOP "$(KalvUninstallTop)"
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_UNPAGE_FINISH

!insertmacro MUI_LANGUAGE "English"
!include texts.nsh

Section "${KALV_NAME}" SecProgram
  SectionIn RO
  Call KalvNoteNewFolders
  !insertmacro KalvInstallTree
  WriteUninstaller "$INSTDIR\${KALV_UNINSTALLER}"

  ; The updater writes machine-wide where it may and per user where it may not.
  DetailPrint "$(KalvWritingAssociations)"
  ClearErrors
  ExecWait '"$INSTDIR\${KALV_UPDATER}" /i'
  ${If} ${Errors}
    DetailPrint "$(KalvAssociationsFailed)"
  ${EndIf}

  SetOutPath "$INSTDIR"
  CreateShortcut "${KALV_SHORTCUT}" "$INSTDIR\${KALV_PROGRAM}" "" "$INSTDIR\${KALV_PROGRAM}" 0 \
    SW_SHOWNORMAL "" "$(KalvShortcutComment)"
  !insertmacro KalvWriteUninstallEntry ${SecProgram}
  !insertmacro KalvWriteNewFolders
SectionEnd

Section "Uninstall"
  !insertmacro KalvFinishPendingRestores
  ; The updater needs the main program beside it, so the associations go first.
  ${If} ${FileExists} "$INSTDIR\${KALV_UPDATER}"
  ${AndIf} ${FileExists} "$INSTDIR\${KALV_PROGRAM}"
    DetailPrint "$(KalvRemovingAssociations)"
    ExecWait '"$INSTDIR\${KALV_UPDATER}" /u'
  ${EndIf}
  Delete "${KALV_SHORTCUT}"
  !insertmacro KalvRemoveTree
  Delete "$INSTDIR\${KALV_UNINSTALLER}"
  ; Not recursive: whatever the user put into the folder stays, and so does the folder.
  Call un.KalvRemoveNewFolders
  Call un.KalvRemoveUninstallEntry
  !insertmacro KalvRemoveRunLog
SectionEnd
