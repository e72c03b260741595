// Names of the string-table rows the code uses (ui/strings.def). Each is the English
// row; the other languages follow it by the step noted (see Localized).
#pragma once

namespace kalv::ids {

// Step 2: the start-up's permission-denied box (its text rows hold nothing).
constexpr int kDeniedText = 104;
constexpr int kDeniedTitle = 105;
// Step 3: the general error message.
constexpr int kErrorIntro = 110;
constexpr int kErrorAdvice = 111;
constexpr int kErrorTitle = 112;
// Step 1 from here on.
constexpr int kWelcome = 119;
constexpr int kInsertCd = 125;
constexpr int kProtocol24 = 137;
constexpr int kProtocol22 = 140;
constexpr int kProtocolWord = 143;
constexpr int kProtocolUnknown = 146;
constexpr int kSelectVersion = 167;
constexpr int kConversionError = 170;
constexpr int kConvertedToLatest = 173;
constexpr int kConvertedTo = 176;
constexpr int kAboutVersion = 179;
constexpr int kMissingFiles = 182;
constexpr int kConfirmReinitialize = 212;
constexpr int kReinitialized = 215;
constexpr int kConfirmRemove = 218;
constexpr int kRemoved = 221;
constexpr int kConfirmUninstall = 224;
constexpr int kUpdaterMissing = 227;
constexpr int kStatusNotInstalled = 400;
constexpr int kStatusFound = 403;
constexpr int kStatusNotFound = 406;
constexpr int kStatusFoundVersion = 409;
constexpr int kMissingIntro = 412;
constexpr int kMissingAdvice = 415;
constexpr int kAccessIntro = 418;
constexpr int kAccessAdvice = 421;
constexpr int kPromptSelect = 424;
constexpr int kPromptFolder = 427;
constexpr int kPromptMod = 433;
// Step 100: window captions, slot k of the English block is row 500 + k.
constexpr int kCaptions = 500;

}  // namespace kalv::ids
