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
constexpr int kSelectVersion = 167;
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
// Messages added since the first version (step 1); "%1", "%2", ... in them are filled in
// with Fill.
constexpr int kRunSetAside = 1000;    // %1 game, %2 why, %3 the key it went to
constexpr int kRunNotPutBack = 1003;  // %1 game, %2 folder, %3 what is left, one per line
constexpr int kStillRunning = 1036;   // %1 game
constexpr int kNoJournal = 1039;      // %1 game, %2 why
constexpr int kUpdaterNoAnswer = 1042;
constexpr int kUpdaterEndedWith = 1045;  // %1 its exit code
constexpr int kAfrikaansWarning = 1048;
constexpr int kAfrikaansWarningTitle = 1051;
// Every message of this block the player itself shows, for the check that each has its
// three languages (the games list their own).
constexpr int kAddedMessages[] = {kRunSetAside,      kRunNotPutBack,        kStillRunning,
                                  kNoJournal,        kUpdaterNoAnswer,      kUpdaterEndedWith,
                                  kAfrikaansWarning, kAfrikaansWarningTitle};
// Step 100: window captions, slot k of the English block is row 500 + k.
constexpr int kCaptions = 500;

}  // namespace kalv::ids

// The caption slots: what each row 500 + k (600 + k, 700 + k) labels.
namespace kalv::slot {

// The splash window.
constexpr int kSplashCompany = 0;
constexpr int kSplashCopyright = 1;
constexpr int kSplashEmail = 2;
constexpr int kSplashICQ = 3;
constexpr int kSplashLicensedTo = 4;
constexpr int kSplashPlatform = 5;
constexpr int kSplashStatusLabel = 6;
constexpr int kSplashLoading = 7;
constexpr int kSplashVersion = 8;
// The main, options and advanced windows.
constexpr int kMainGameVersionLabel = 10;
constexpr int kMainAboutButton = 11;
constexpr int kMainCloseButton = 12;
constexpr int kMainConvertButton = 13;
constexpr int kMainOptionsButton = 14;
constexpr int kMainQuake3ArenaButton = 15;
constexpr int kMainGameStatesFrame = 16;
constexpr int kMainQ3AFrame = 17;
constexpr int kOptionsBrowseQ2Button = 18;
constexpr int kOptionsQ2StatusFrame = 19;
constexpr int kOptionsQ2Label = 20;
constexpr int kOptionsBrowseQ1Button = 21;
constexpr int kOptionsQ1StatusFrame = 22;
constexpr int kOptionsQ1Label = 23;
constexpr int kOptionsQ1ExecutableLabel = 24;
constexpr int kOptionsBrowseSTVEFButton = 25;
constexpr int kOptionsSTVEFStatusFrame = 26;
constexpr int kOptionsSTVEFLabel = 27;
constexpr int kOptionsBrowseSTVEFModButton = 28;
constexpr int kOptionsModSTVEFCheckBox = 29;
constexpr int kOptionsBrowseHLButton = 30;
constexpr int kOptionsHLStatusFrame = 31;
constexpr int kOptionsHLLabel = 32;
constexpr int kOptionsBrowseQ3AButton = 33;
constexpr int kOptionsQ3AStatusFrame = 34;
constexpr int kOptionsQ3ALabel = 35;
constexpr int kOptionsBrowseQ3AModButton = 36;
constexpr int kOptionsModQ3ACheckBox = 37;
constexpr int kAdvancedReinitializeButton = 38;
constexpr int kAdvancedRemoveButton = 39;
constexpr int kAdvancedUninstallButton = 40;
constexpr int kAdvancedAdvancedFrame = 41;
constexpr int kAdvancedTitle = 42;
constexpr int kOptionsLanguageLabel = 43;
constexpr int kOptionsAdvancedButton = 44;
constexpr int kOptionsTitle = 45;
constexpr int kOptionsBrowseUTButton = 46;
constexpr int kOptionsUTStatusFrame = 47;
constexpr int kOptionsUTLabel = 48;
// The demo library, and its button on the main window; "%1", "%2", ... are filled in.
constexpr int kMainDemosButton = 49;
constexpr int kDemosTitle = 50;
constexpr int kDemosFolderLabel = 51;
constexpr int kDemosBrowseButton = 52;
constexpr int kDemosSubfoldersBox = 53;
constexpr int kDemosGameLabel = 54;
constexpr int kDemosFilterLabel = 55;
constexpr int kDemosPlayButton = 56;
constexpr int kDemosCloseButton = 57;
constexpr int kDemosAllGames = 58;
constexpr int kDemosNameColumn = 59;
constexpr int kDemosGameColumn = 60;
constexpr int kDemosReleaseColumn = 61;
constexpr int kDemosModColumn = 62;
constexpr int kDemosMapColumn = 63;
constexpr int kDemosPlayersColumn = 64;
constexpr int kDemosSizeColumn = 65;
constexpr int kDemosDateColumn = 66;
constexpr int kDemosPlaysHereColumn = 67;
constexpr int kDemosYes = 68;
constexpr int kDemosNotADemo = 69;
constexpr int kDemosUnreadable = 70;
constexpr int kDemosGameNotSetUp = 71;
constexpr int kDemosReleaseMissing = 72;
constexpr int kDemosModMissing = 73;
constexpr int kDemosMapMissing = 74;
constexpr int kDemosReading = 75;
constexpr int kDemosSummary = 76;
constexpr int kDemosFolderUnreadable = 77;
constexpr int kDemosBrowseTitle = 78;
constexpr int kDemosNoDemoChosen = 79;
constexpr int kDemosLengthColumn = 80;

}  // namespace kalv::slot
