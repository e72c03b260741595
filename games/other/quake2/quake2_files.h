// Quake 2's files as data, shared by the player, which prepares them, and the launch
// companion, which undoes them once the game has ended: both read these very rows.
#pragma once

#include <string>

#include "core/contracts.h"
#include "core/file_steps.h"
#include "core/journal_check.h"

namespace kalv::q2 {

// Relative to the Quake 2 directory (the companion's own directory).
constexpr const char* kPak0 = "\\baseq2\\pak0.pak";
constexpr const char* kOneOffConfig = "\\baseq2\\kalvenmarque.cfg";
constexpr const char* kOwnConfig = "\\baseq2\\config.cfg";
constexpr const char* kConfigName = "\\config.cfg";  // below a game folder the demo names
constexpr const char* kDemos = "\\baseq2\\demos";
constexpr const char* kFixedDemo = "\\baseq2\\demos\\Kalvenmarque.dm2";
constexpr const char* kCompanion = "\\kalvq2_sub.exe";
constexpr const char* kCompanionFile = contract::kCompanionFile;  // its single-instance name
constexpr const char* kGameCode = contract::kQuake2JournalCode;
constexpr const char* kGameExecutable = contract::kQuake2Executable;
// Below the player's install directory.
constexpr const char* kTemplate = "\\Versions\\KalvQ2.cfg";
constexpr const char* kStoredCompanion = "\\Versions\\kalvq2_sub.bin";
constexpr const char* kCompanionSwitch = contract::kCompanionSwitch;
constexpr const char* kKeepDemoSwitch = contract::kCompanionKeepDemo;
constexpr const char* kGameSwitch = contract::kCompanionGame;

// The one-off configuration and the companion in place (each made normal first, so an
// earlier run's read-only copy is replaced), the game's own configuration read-only (and
// that of the game folder the demo names, where Quake 2 saves it then), the demos folder.
inline Steps Prepare(const std::string& dir, const std::string& installDir,
                     const std::string& gameFolder = "") {
  Steps steps = {MakeNormal(dir + kOneOffConfig), MakeNormal(dir + kCompanion),
                 CopyFile(installDir + kTemplate, dir + kOneOffConfig),
                 CopyFile(installDir + kStoredCompanion, dir + kCompanion),
                 MakeReadOnly(dir + kOwnConfig)};
  if (!gameFolder.empty()) steps.push_back(MakeReadOnly(dir + "\\" + gameFolder + kConfigName));
  steps.push_back(MakeDirectory(dir + kDemos));
  return steps;
}

// What the companion undoes after the game: the fixed-name files deleted (the demo kept
// when it is the user's own), the configurations writable again. The companion itself
// and the demos folder stay.
inline Steps Undo(const std::string& dir, bool keepDemo, const std::string& gameFolder = "") {
  Steps steps = {DeleteFile(dir + kOneOffConfig)};
  if (!keepDemo) steps.push_back(DeleteFile(dir + kFixedDemo));
  if (!gameFolder.empty()) steps.push_back(MakeNormal(dir + "\\" + gameFolder + kConfigName));
  steps.push_back(MakeNormal(dir + kOwnConfig));
  return steps;
}

// What a Quake 2 run leaves for its undo.
inline const JournalRules& Rules() {
  static const JournalRules rules{kGameCode,
                                  {{kOneOffConfig, FileRole::Made},
                                   {kFixedDemo, FileRole::Made},
                                   {kOwnConfig, FileRole::Protected},
                                   {"\\*\\config.cfg", FileRole::Protected}}};
  return rules;
}

}  // namespace kalv::q2
