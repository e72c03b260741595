; Names the setup and its uninstaller share: the product, its files and its places.
!define KALV_NAME "Kalvenmarque"
!define KALV_PUBLISHER "Kalvenmarque team"
!define KALV_WEBSITE "https://kalvenmarque.example/"
!define KALV_PROGRAM "Kalvenmarque.exe"
!define KALV_UPDATER "Assocmend.exe"
; Assocmend.exe's full uninstall starts this file from the install folder.
!define KALV_UNINSTALLER "Uninstall.exe"
; Below HKLM or HKCU, by the scope of the installation.
!define KALV_UNINSTALL_LIST "Software\Microsoft\Windows\CurrentVersion\Uninstall"
!define KALV_UNINSTALL_KEY "${KALV_UNINSTALL_LIST}\Kalvenmarque"
; One program, so one entry straight in the Programs folder rather than a folder of one.
!define KALV_SHORTCUT "$SMPROGRAMS\Kalvenmarque.lnk"
; The player's restore journal below HKCU: one subkey per game whose demo run is not put
; back yet, valid once its "Complete" value is "1".
!define KALV_JOURNAL_KEY "Software\VB and VBA Program Settings\Kalvenmarque\Restore Journal"
