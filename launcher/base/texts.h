// Texts of Kalvenmarque that are never translated: titles, switches, registry paths,
// file names of the release store and of the games' prepared files.
#pragma once

#include <cstdint>

#include <cstddef>

#include "version.h"

namespace kalv {

// The title of message boxes that have no caption of their own.
constexpr const char* kProgramTitle = "Kalvenmarque v" KALV_VERSION_TEXT;
// The product name in front of the general error message's title.
constexpr const char* kErrorTitlePrefix = "Kalvenmarque ";
// The title of the prompt for the Quake 3 Arena CD.
constexpr const char* kCdCheckTitle = "Quake 3 Arena CD-Check";
// The association updater beside the program.
constexpr const char* kUpdaterFile = "\\Assocmend.exe";

// The per-user settings store: application and section below the settings parent key.
constexpr const char* kSettingsApplication = "Kalvenmarque";
constexpr const char* kSettingsSection = "Settings";
constexpr const char* kSettingsKeyPath =
    "Software\\VB and VBA Program Settings\\Kalvenmarque\\Settings";

// The release store below the install directory and the keys of its release files.
namespace release {
constexpr const char* kFolder = "\\Versions";
constexpr const char* kPattern = "*.Vrk";
constexpr const char* kSection = "Quake 3 Arena Version";
constexpr const char* kMissing = "Error";  // what an absent key or file reads as
constexpr const char* kVersion = "Version";
constexpr const char* kDemoExt = "DemoExt";
constexpr const char* kNewpak = "newpak";
constexpr const char* kNewestpak = "newestpak";
// A stored executable's name: this and the release's major and minor ("Quake3.127h").
constexpr const char* kStoredExecutable = "Quake3.";
// The release list's entries: this prefix and the "Version" value.
constexpr const char* kListPrefix = "Quake 3 Arena ";
}  // namespace release

// What a release switch that changes nothing says, in English: each text is followed by
// the file it names.
namespace conversion {
constexpr const char* kUnknownInstalled =
    "Kalvenmarque did not switch the Quake 3 Arena release, because ";
constexpr const char* kUnknownAdvice =
    " is not the executable of any release in the release store, and so could not be brought "
    "back afterwards. Nothing was changed. To add its release, copy that file into ";
constexpr const char* kUnknownAdviceEnd =
    " as Quake3.<release> (for example Quake3.132 for v1.32), together with a release file "
    "v<major>_<minor>.Vrk that describes it.";
// A stored executable that is missing: the release twice, then the store's folder, then
// the file's name.
constexpr const char* kMissingStored =
    "Kalvenmarque could not switch the Quake 3 Arena release: the executable of release ";
constexpr const char* kMissingStoredCopy =
    " is missing from the release store. Nothing was changed. Copy Quake3.exe of a Quake 3 "
    "Arena installation on release ";
constexpr const char* kMissingStoredInto = " into ";
constexpr const char* kMissingStoredName = " and name the copy ";
constexpr const char* kMissingStoredEnd = ", without .exe.";
// The offer to store an installed executable the store lacks, and its failure.
constexpr const char* kOfferStore = "The installed ";
constexpr const char* kOfferRelease =
    " is not in the release store yet, so Kalvenmarque could not switch back to it. Its pak "
    "files say it is release ";
constexpr const char* kOfferAs = ". Store a copy of it as ";
constexpr const char* kOfferEnd = " and go on?";
constexpr const char* kNotStored = "Kalvenmarque could not store the executable as ";
constexpr const char* kNotStoredAdvice =
    "): the release store's folder cannot be written to. Copy the file there yourself (with "
    "administrator rights when it is under Program Files), or start Kalvenmarque as an "
    "administrator once.";
constexpr const char* kNotReplaced = "Kalvenmarque could not switch the Quake 3 Arena release: ";
// Why an installed executable cannot be switched, as a failure's description.
constexpr const char* kNoStoredRelease = "not the executable of any stored release";
constexpr const char* kNotReplacedAdvice =
    ") could not be replaced. Nothing else was changed. Close Quake 3 Arena and try again.";
}  // namespace conversion

// What the player says, in English, when the Quake 2 companion cannot take over; the
// companion's path and the failure stand between the two texts.
namespace q2text {
constexpr const char* kCompanionFailed = "Kalvenmarque could not start its Quake 2 companion ";
constexpr const char* kCompanionAdvice =
    "), which starts Quake 2 and cleans up after it. The demo was not played and the Quake 2 "
    "folder is as it was. Make sure the Quake 2 folder can be written to and try again.";
constexpr const char* kFolderMissing = "This demo was recorded in the Quake 2 game folder \"";
constexpr const char* kFolderMissingIn = "\", which the Quake 2 installation does not hold: ";
constexpr const char* kFolderMissingAdvice =
    " is missing. Install that game, then open the demo again. Nothing was changed.";
constexpr const char* kOtherProtocol = "This Quake 2 demo was recorded with protocol ";
constexpr const char* kOtherProtocolQuestion =
    ", not with protocol 34 of Quake 2 3.20: a later engine recorded it, and Quake 2 itself "
    "cannot play it. Play it anyway? (Choose Yes if your quake2.exe is such an engine.)";
constexpr const char* kGameMissing = "Quake 2 cannot be started: ";
constexpr const char* kGameMissingAdvice =
    " is missing. The demo was not played and nothing was changed. Check the Quake 2 folder "
    "in the options.";
}  // namespace q2text

// A Half-Life demo of a game the installation does not hold.
namespace hltext {
constexpr const char* kGameMissing = "This demo was recorded in ";
constexpr const char* kGameMissingIn = ", which the Half-Life installation does not hold: ";
constexpr const char* kGameMissingAdvice =
    " is missing. Install that game, then open the demo again. Nothing was changed.";
}  // namespace hltext

// What the advanced window says when the association updater did not do its work.
namespace advancedtext {
constexpr const char* kNotChanged = "The file associations may not have been changed: ";
constexpr const char* kNoAnswer =
    "the association updater did not finish within 30 seconds. Open a demo to see whether "
    "it opens Kalvenmarque, or try again.";
constexpr const char* kEndedWith = "the association updater ended with code ";
constexpr const char* kEndedWithEnd =
    ". Changing them for all users needs administrator rights: start Kalvenmarque as an "
    "administrator and try again.";
}  // namespace advancedtext
// How long the advanced window waits for the association updater.
constexpr std::uint64_t kUpdaterWaitMilliseconds = 30000;

// The player's switch for the uninstaller: put back what runs cut off left, then end.
constexpr const char* kRestoreSwitch = "/restore";

// The driver's own English messages.
namespace runtext {
constexpr const char* kStillRunning =
    " is still running a demo Kalvenmarque prepared, and that "
    "run is put back only once it has ended. Close ";
constexpr const char* kCloseFirst =
    " and any program using its files, then open this demo again. Nothing was changed.";
constexpr const char* kNoJournal =
    "Kalvenmarque could not write down what it is about to change "
    "in the folder of ";
constexpr const char* kNoJournalAdvice =
    "), so it did not play the demo: without that record a run cut off could not be put back. "
    "Nothing was changed.";
}  // namespace runtext

// A mod label: "Mod: " and the mod directory, or " /" while no mod is chosen.
namespace mod {
constexpr const char* kPrefix = "Mod: ";
constexpr std::size_t kPrefixLength = 5;
constexpr const char* kNone = " /";
}  // namespace mod

// The games' names in messages, status lines and browse titles.
namespace name {
constexpr const char* kQ3A = "Quake 3 Arena";
constexpr const char* kSTVEF = "Star Trek Voyager Elite Force";
constexpr const char* kSTVEFStatus = "Star Trek Voyager";  // its status lines' prefix
constexpr const char* kHL = "Half-Life";
constexpr const char* kQ1 = "Quake 1";
constexpr const char* kQ2 = "Quake 2";
constexpr const char* kUT = "Unreal Tournament";
}  // namespace name

// Game codes: RunGameAndWait is told the game by these texts.
namespace game {
constexpr const char* kQ3A = "Q3A";
constexpr const char* kSTVEF = "STVEF";
constexpr const char* kHL = "HL";
constexpr const char* kQ1 = "Q1";
constexpr const char* kQ2 = "Q2";
constexpr const char* kUT = "UT";
}  // namespace game

// The pause before every game start, in milliseconds.
constexpr unsigned kPauseBeforeGameMilliseconds = 450;
// The copy block of CopyFileWithProgress, in bytes.
constexpr unsigned kCopyBlockBytes = 2048;

}  // namespace kalv
