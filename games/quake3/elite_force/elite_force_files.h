// Elite Force's files as data: what a demo run prepares in the game directory, what its
// restore undoes (the same paths), and the game's command line.
#pragma once

#include <string>

#include "core/file_steps.h"
#include "core/journal_check.h"
#include "games/demo_run.h"

namespace kalv {

// Relative to the Elite Force directory.
namespace stvef {
constexpr const char* kExecutable = "\\stvoyhm.exe";
constexpr const char* kPak0 = "\\baseef\\pak0.pk3";
constexpr const char* kPak1 = "\\baseef\\pak1.pk3";
constexpr const char* kPak2 = "\\baseef\\pak2.pk3";
constexpr const char* kOneOffConfig = "\\baseef\\kalvenmarque.cfg";
constexpr const char* kOwnConfig = "\\baseef\\hmconfig.cfg";
constexpr const char* kModConfig = "\\hmconfig.cfg";  // below the mod's directory
constexpr const char* kDemos = "\\baseEF\\Demos";
constexpr const char* kFixedDemo = "\\baseEF\\Demos\\Kalvenmarque.efdemo";
constexpr const char* kTemplate = "\\Versions\\KalvSTVEF.cfg";  // below the install dir
}  // namespace stvef

// The one-off configuration, the game's own configuration read-only, the demos folder.
Steps PrepareSTVEF(const DemoRun& run);
// The fixed-name files deleted, both configurations writable again.
Steps UndoSTVEF(const DemoRun& run);
// What an Elite Force run leaves for its undo.
const JournalRules& STVEFJournalRules();

// E\stvoyhm.exe +set fs_basepath "E" +exec Kalvenmarque, with "+set fs_Game M" right
// after it (no blank) when the mod is loaded.
std::string STVEFCommandLine(const DemoRun& run);

// The demo's protocol: the two characters after the first "\protocol\" in its first
// bytes (the header as read, padded to 255 characters with blanks); when the marker is
// absent, the two characters at positions 10 and 11 (counted from 1).
std::string DemoProtocol(const std::string& header);

}  // namespace kalv
