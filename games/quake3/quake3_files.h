// Quake 3 Arena's files as data: what a demo run prepares in the game directory, what its
// restore undoes (the same paths), and the game's command lines.
#pragma once

#include <string>
#include <utility>

#include "core/file_steps.h"
#include "core/journal_check.h"
#include "games/demo_run.h"

namespace kalv {

// Relative to the Quake 3 directory.
namespace q3a {
constexpr const char* kExecutable = "\\quake3.exe";
constexpr const char* kInstalledExecutable = "\\Quake3.exe";  // what a conversion replaces
// After the installed executable's name: the copy a switch makes before it moves it over.
constexpr const char* kSwitchingSuffix = ".switching";
constexpr const char* kPak0 = "\\baseq3\\pak0.pk3";  // absent: a minimum installation
constexpr const char* kOneOffConfig = "\\baseq3\\Kalvenmarque.cfg";
constexpr const char* kOwnConfig = "\\baseq3\\q3config.cfg";
constexpr const char* kModConfig = "\\q3config.cfg";  // below the mod's directory
constexpr const char* kDemos = "\\baseq3\\demos";
constexpr const char* kFixedDemo = "\\baseq3\\demos\\Kalvenmarque";  // + the demo ending
constexpr const char* kTemplate = "\\Versions\\Kalv.cfg";            // below the install dir
constexpr const char* kCdExecutable = ":\\Quake3\\Quake3.exe";       // after the CD's letter
}  // namespace q3a

std::string Q3AFixedDemo(const DemoRun& run);

// After the conversion: the one-off configuration in place, the game's own configuration
// read-only, the demos folder (full installations only; a minimum one copies without it).
Steps PrepareQ3A(const DemoRun& run, bool fullInstallation);
// What RestoreQ3A undoes after the conversion back: the fixed-name files deleted, both
// configurations writable again (the mod's whether or not the mod was used).
Steps UndoQ3A(const DemoRun& run);

// The demo command lines; cdDrive is the CD's letter on a minimum installation, "" on a
// full one. The full installation's mod line has no blank before "+set fs_Game".
std::string Q3ADemoCommandLine(const DemoRun& run, const std::string& cdDrive);
// A minimum installation's demo command line before and after the CD's letter.
std::pair<std::string, std::string> Q3ACdCommandLine(const DemoRun& run);
// What a Quake 3 run leaves for its undo: the fixed-name files, the configurations, and
// the executable and paks whose attributes the release switch changes.
const JournalRules& Q3AJournalRules();

// The Launch button's command lines.
std::string Q3ALaunchCommandLine(const std::string& dir, const std::string& cdDrive);

}  // namespace kalv
