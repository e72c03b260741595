// Half-Life's files as data: what a demo run prepares, what its restore undoes (the same
// paths), and the game's command line.
#pragma once

#include <string>

#include "games/demo_run.h"
#include "core/file_steps.h"
#include "core/journal_check.h"

namespace kalv {

// Relative to the Half-Life directory.
namespace hl {
constexpr const char* kExecutable = "\\hl.exe";
constexpr const char* kCounterStrike = "\\cstrike.exe";  // retail Counter-Strike, no hl.exe
constexpr const char* kPak0 = "\\valve\\pak0.pak";
constexpr const char* kOneOffConfig = "\\valve\\kalvenmarque.cfg";
constexpr const char* kOwnConfig = "\\valve\\config.cfg";
constexpr const char* kFixedDemo = "\\valve\\Kalvenmarque.dem";
constexpr const char* kTemplate = "\\Versions\\KalvHL.cfg";  // below the install dir
}  // namespace hl

// Below the Half-Life directory, in the folder of the game a demo was recorded in
// (run.mod; "valve" when empty): the one-off configuration, the game's own configuration
// and the fixed-name demo.
std::string HLGameFile(const DemoRun& run, const char* file);
namespace hl {
constexpr const char* kOneOffConfigName = "\\kalvenmarque.cfg";
constexpr const char* kOwnConfigName = "\\config.cfg";
constexpr const char* kFixedDemoName = "\\Kalvenmarque.dem";
}  // namespace hl

// What a run of the game leaves for its undo.
const JournalRules& HLJournalRules();

// The one-off configuration in place, the game's own configuration read-only.
Steps PrepareHL(const DemoRun& run);
// The fixed-name files deleted, the game's own configuration writable again.
Steps UndoHL(const DemoRun& run);
// D + executable (hl::kExecutable or hl::kCounterStrike) + the fixed arguments; a game
// other than Half-Life's own is named with "-game <folder>" right after the executable.
std::string HLCommandLine(const std::string& dir, const char* executable,
                          const std::string& gameFolder = "");

}  // namespace kalv
