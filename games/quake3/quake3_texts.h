// Quake 3 Arena's messages in the string table (each the English row; German and
// Afrikaans follow), and its names that are never translated.
#pragma once

namespace kalv::q3text {

constexpr int kUnknownInstalled = 1006;  // %1 Quake3.exe, %2 the release store's folder
constexpr int kMissingStored = 1009;     // %1 the release, %2 the store's folder, %3 the name
constexpr int kOfferStore = 1012;        // %1 Quake3.exe, %2 its release, %3 the stored copy
constexpr int kNotStored = 1015;         // %1 the stored copy, %2 why
constexpr int kNotReplaced = 1018;       // %1 Quake3.exe, %2 why
// A release file that cannot be used for a switch.
constexpr int kConversionError = 170;

// The prompt for the CD of a minimum installation (step 1), and its title.
constexpr int kInsertCd = 125;
constexpr const char* kCdCheckTitle = "Quake 3 Arena CD-Check";

// Why an installed executable cannot be switched, as a failure's description.
constexpr const char* kNoStoredRelease = "not the executable of any stored release";

}  // namespace kalv::q3text
