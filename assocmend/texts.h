// The updater's never-translated texts: switches, file names, registry paths and its
// English-only messages.
#pragma once

#include "core/contracts.h"
#include "version.h"

namespace kalv::assocmend::text {

constexpr const char kTitle[] = "Kalvenmarque Registry Updater v" KALV_VERSION_TEXT;

// Switches, compared with the lower-cased command line.
// The three the player passes are its contract with the player; two have a confirming
// form with "1" after it.
constexpr const char* kSwitchInstall = contract::kUpdaterInstall;
constexpr const char kSwitchInstallConfirm[] = "/i1";
constexpr const char* kSwitchUninstall = contract::kUpdaterRemove;
constexpr const char* kSwitchFullUninstall = contract::kUpdaterFullUninstall;
constexpr const char kSwitchFullUninstallConfirm[] = "/fu1";

// Files, each relative to the directory named beside it.
constexpr const char kMainProgram[] = "\\Kalvenmarque.exe";  // own directory
constexpr const char kUninstaller[] = "\\uninst.exe";        // Windows directory
constexpr const char kRegistryHelper[] = "\\_ISREG32.DLL";   // own directory
constexpr const char kUninstallLogPattern[] = "*.isu";       // own directory
constexpr const char kOwnUninstaller[] = "\\Uninstall.exe";  // own directory

// Where per-user associations live below HKEY_CURRENT_USER.
constexpr const char kPerUserClasses[] = "Software\\Classes\\";

// Marker of the second verb, which opens the main window instead of playing.
constexpr const char* kSecondVerbMarker = contract::kOpenProgramMarker;

constexpr const char kNotInInstallDirectory[] =
    "This sub function program can only be executed within the Kalvenmarque directory "
    "with appropriate command line parameters.";
constexpr const char kUpdateComplete[] = "Update Complete! Enjoy!";
constexpr const char kConfirmUninstall[] = "Are you sure you want to uninstall Kalvenmarque?";
constexpr const char kLogNotFound[] =
    "Uninstall log not found. Unable to uninstall. Remove the files manually or reinstall "
    "Kalvenmarque and try again.";
constexpr const char* const kUsageLines[] = {
    "This program is a sub function program of Kalvenmarque v" KALV_VERSION_TEXT
    " and should not be used "
    "as standalone. Use the following as command line parameters:",
    "'/i' - > reintilise registry settings (File Associations)",
    "'/u' -> uninstall registry settings (File Associations)",
    "'/fu' -> fully uninstall Kalvenmarque (including File Associations)",
    "'/fu1' -> fully uninstall Kalvenmarque with confirmation (including File Associations)",
};
constexpr const char kWriteFailed[] =
    "The file associations could not be written to the registry. Demo files will not open "
    "Kalvenmarque when double-clicked. Please run the Registry Updater again as a user who "
    "may change the registry.";
// The missing uninstaller's full path goes between the two parts.
constexpr const char kUninstallerMissingBefore[] = "The uninstaller \"";
constexpr const char kUninstallerMissingAfter[] =
    "\" was not found. The file associations have been removed; remove the remaining "
    "Kalvenmarque files manually or reinstall Kalvenmarque and try again.";
// The uninstaller's path and the failure description go between and after the parts.
constexpr const char kUninstallerFailedBefore[] = "The uninstaller \"";
constexpr const char kUninstallerFailedAfter[] =
    "\" could not be started. The file associations have been removed. ";

}  // namespace kalv::assocmend::text
