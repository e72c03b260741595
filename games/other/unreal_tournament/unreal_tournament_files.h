// Unreal Tournament's files as data: what a demo run prepares, what its restore undoes
// (the same paths), and the game's command line.
#pragma once

#include <string>

#include "games/demo_run.h"
#include "games/choices.h"
#include "core/file_steps.h"
#include "core/journal_check.h"

namespace kalv {

// Relative to the Unreal Tournament directory.
namespace ut {
constexpr const char* kBotPack = "\\system\\BotPack.u";  // presence of an installation
constexpr const char* kExecutable = "\\System\\UnrealTournament.exe";
constexpr const char* kPackage = "\\system\\kalvenmarque.u";
constexpr const char* kFixedDemo = "\\system\\Kalvenmarque.dem";
constexpr const char* kStoredPackage = "\\Versions\\KalvUT_script.bin";  // below the install dir
}  // namespace ut

// What a run of the game leaves for its undo.
const JournalRules& UTJournalRules();

// The script package in place.
Steps PrepareUT(const DemoRun& run);
// The script package and the fixed-name demo deleted.
Steps UndoUT(const DemoRun& run);
// D\System\UnrealTournament.exe UT-Logo-Map.unr?Game=kalvenmarque.kalvenmarque
// ?demo=kalvenmarque.dem followed by ?noframecap, ?timebased, ?3rdperson (those on).
std::string UTCommandLine(const std::string& dir, const UTPlayback& playback);

}  // namespace kalv
