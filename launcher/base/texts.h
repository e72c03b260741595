// Texts of the player that are never translated: titles, switches, registry paths; and
// its fixed pauses.
#pragma once

#include <cstdint>

#include <cstddef>

#include "version.h"

namespace kalv {

// The title of message boxes that have no caption of their own.
constexpr const char* kProgramTitle = "Kalvenmarque v" KALV_VERSION_TEXT;
// The product name in front of the general error message's title.
constexpr const char* kErrorTitlePrefix = "Kalvenmarque ";
// The association updater beside the program.
constexpr const char* kUpdaterFile = "\\Assocmend.exe";

// The per-user settings store: application and section below the settings parent key.
constexpr const char* kSettingsApplication = "Kalvenmarque";
constexpr const char* kSettingsSection = "Settings";
constexpr const char* kSettingsKeyPath =
    "Software\\VB and VBA Program Settings\\Kalvenmarque\\Settings";

// How long the advanced window waits for the association updater.
constexpr std::uint64_t kUpdaterWaitMilliseconds = 30000;

// The player's switch for the uninstaller: put back what runs cut off left, then end.
constexpr const char* kRestoreSwitch = "/restore";

// The pause before every game start, in milliseconds.
constexpr unsigned kPauseBeforeGameMilliseconds = 450;
// The copy block of CopyFileWithProgress, in bytes.
constexpr unsigned kCopyBlockBytes = 2048;

}  // namespace kalv
