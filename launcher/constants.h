// Texts of Kalvenmarque that are never translated: titles, registry paths, game codes.
#pragma once

namespace kalv {

// The title of message boxes that have no caption of their own.
constexpr const char* kProgramTitle = "Kalvenmarque v1.2.0";
// The product name in front of the general error message's title.
constexpr const char* kErrorTitlePrefix = "Kalvenmarque ";
// The title of the prompt for the Quake 3 Arena CD.
constexpr const char* kCdCheckTitle = "Quake 3 Arena CD-Check";
// The command-line marker that opens the program without playing anything.
constexpr const char* kOpenProgramMarker = "*./\\.*";

// The per-user settings store: application and section below the settings parent key.
constexpr const char* kSettingsApplication = "Kalvenmarque";
constexpr const char* kSettingsSection = "Settings";
constexpr const char* kSettingsKeyPath =
    "Software\\VB and VBA Program Settings\\Kalvenmarque\\Settings";

// Game codes; they select the restore operation after a game ends.
namespace game {
constexpr const char* kQ3A = "Q3A";
constexpr const char* kSTVEF = "STVEF";
constexpr const char* kHL = "HL";
constexpr const char* kQ1 = "Q1";
constexpr const char* kQ2 = "Q2";
constexpr const char* kUT = "UT";
}  // namespace game

// How long each poll of a running game waits, in milliseconds.
constexpr unsigned kGamePollMilliseconds = 450;
// The copy block of CopyFileWithProgress, in bytes.
constexpr unsigned kCopyBlockBytes = 2048;

}  // namespace kalv
