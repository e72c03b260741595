// What the three programs (the player, the association updater and the Quake 2
// companion) and the files they share must agree on. Each is written once, here.
#pragma once

#include <cstddef>

namespace kalv::contract {

// The updater's switches, as the player's Advanced window passes them and the updater
// compares them with its lower-cased command line.
constexpr const char kUpdaterInstall[] = "/i";
constexpr const char kUpdaterRemove[] = "/u";
constexpr const char kUpdaterFullUninstall[] = "/fu";

// The marker the associations' second verb puts before the demo: the player opens its
// main window instead of playing.
constexpr const char kOpenProgramMarker[] = "*./\\.*";

// How often the player and the companion look whether the game still runs.
constexpr unsigned kGamePollMilliseconds = 450;

// The bytes of a demo's start read to tell its game or protocol; a shorter file is taken
// as padded with blanks.
constexpr std::size_t kDemoHeaderBytes = 255;

// The longest registry text read back (settings, journal entries),
// in characters with the terminator.
constexpr std::size_t kRegistryTextChars = 32768;

// The player hands a prepared Quake 2 folder to the companion, started there with the
// first switch; the second keeps the demo (the user opened the fixed-name copy itself);
// the third, followed by a game folder, starts Quake 2 in that game. The companion finds
// the run by Quake 2's code in the restore journal and starts the game's executable
// (relative to its own folder).
constexpr const char kCompanionSwitch[] = "/Quake2SubFunction";
constexpr const char kCompanionKeepDemo[] = "/KeepDemo";
constexpr const char kCompanionGame[] = "/Game:";
constexpr const char kQuake2JournalCode[] = "Q2";
constexpr const char kQuake2Executable[] = "\\quake2.exe";
// The companion's file name in the Quake 2 folder, by which the player sees it run.
constexpr const char kCompanionFile[] = "kalvq2_sub.exe";

}  // namespace kalv::contract
