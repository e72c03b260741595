// Quake 1's files as data: what a demo run prepares, what its restore undoes (the same
// paths), and the game's command line.
#pragma once

#include <string>

#include "games/demo_run.h"
#include "core/file_steps.h"
#include "core/journal_check.h"

namespace kalv {

// Relative to the Quake 1 directory.
namespace q1 {
constexpr const char* kPak0 = "\\id1\\pak0.pak";
constexpr const char* kOneOffConfig = "\\id1\\kalvenmarque.cfg";
constexpr const char* kOwnConfig = "\\id1\\config.cfg";
constexpr const char* kFixedDemo = "\\id1\\Kalvenmarque.dem";
constexpr const char* kTemplate = "\\Versions\\KalvQ1.cfg";  // below the install dir
}  // namespace q1

// What a run of the game leaves for its undo.
const JournalRules& Q1JournalRules();

// The one-off configuration in place (the game's own one is made read-only only once an
// executable has been chosen).
Steps PrepareQ1(const DemoRun& run);
// The fixed-name files deleted, the game's own configuration writable again.
Steps UndoQ1(const DemoRun& run);
// D\exe -basedir D +exec kalvenmarque.cfg, nothing quoted; without "-basedir D" when D
// holds a blank (the game is started in D).
std::string Q1CommandLine(const std::string& dir, const std::string& executable);

}  // namespace kalv
