// Quake 2's files as data, shared by the player, which prepares them, and the launch
// companion, which undoes them once the game has ended: both read these very rows.
#pragma once

#include <string>

#include "core/contracts.h"
#include "core/file_steps.h"

namespace kalv::q2 {

// Relative to the Quake 2 directory (the companion's own directory).
constexpr const char* kPak0 = "\\baseq2\\pak0.pak";
constexpr const char* kOneOffConfig = "\\baseq2\\kalvenmarque.cfg";
constexpr const char* kOwnConfig = "\\baseq2\\config.cfg";
constexpr const char* kDemos = "\\baseq2\\demos";
constexpr const char* kFixedDemo = "\\baseq2\\demos\\Kalvenmarque.dm2";
constexpr const char* kCompanion = "\\kalvq2_sub.exe";
constexpr const char* kCompanionFile = "kalvq2_sub.exe";  // its single-instance name
constexpr const char* kGameCode = contract::kQuake2JournalCode;
constexpr const char* kGameExecutable = contract::kQuake2Executable;
// Below the player's install directory.
constexpr const char* kTemplate = "\\Versions\\KalvQ2.cfg";
constexpr const char* kStoredCompanion = "\\Versions\\kalvq2_sub.bin";
constexpr const char* kCompanionSwitch = contract::kCompanionSwitch;
constexpr const char* kKeepDemoSwitch = contract::kCompanionKeepDemo;
constexpr const char* kGameSwitch = contract::kCompanionGame;

// The one-off configuration and the companion in place (each made normal first, so an
// earlier run's read-only copy is replaced), the game's own configuration read-only, the
// demos folder.
inline Steps Prepare(const std::string& dir, const std::string& installDir) {
  return {MakeNormal(dir + kOneOffConfig),
          MakeNormal(dir + kCompanion),
          CopyFile(installDir + kTemplate, dir + kOneOffConfig),
          CopyFile(installDir + kStoredCompanion, dir + kCompanion),
          MakeReadOnly(dir + kOwnConfig),
          MakeDirectory(dir + kDemos)};
}

// What the companion undoes after the game: the fixed-name files deleted (the demo kept
// when it is the user's own), the game's own configuration writable again. The companion
// itself and the demos folder stay.
inline Steps Undo(const std::string& dir, bool keepDemo) {
  Steps steps = {DeleteFile(dir + kOneOffConfig)};
  if (!keepDemo) steps.push_back(DeleteFile(dir + kFixedDemo));
  steps.push_back(MakeNormal(dir + kOwnConfig));
  return steps;
}

}  // namespace kalv::q2
