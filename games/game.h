// A game as a value: one row per game, with its names, the demos it claims and pure
// functions over an installation. Each game's folder exports its row; the table of games
// (games/game_table.h) lists them. The launcher asks the rows; no game knows the program's
// state or its windows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/journal_check.h"
#include "games/choices.h"
#include "games/demo_needs.h"
#include "games/game_code.h"
#include "games/install.h"
#include "games/run_plan.h"
#include "platform/files.h"

namespace kalv {

// Paths shorter than this are taken as "no directory" without looking at the disk.
constexpr std::size_t kShortestGamePath = 3;

// What a game's detection found in a folder, as the windows show it.
struct GameState {
  enum class Status { NotInstalled, NotFound, Found, FoundVersion };
  Status status = Status::NotInstalled;  // NotInstalled: no folder at all
  std::string version;                   // shown after FoundVersion
  std::vector<std::string> executables;  // Quake 1: the folder's programs, in name order

  bool found() const { return status == Status::Found || status == Status::FoundVersion; }
};

// The state of a folder whose installation shows by one file: not installed for a path
// too short to be a folder, found when dir + marker can be read, not found otherwise.
GameState StateByFile(const Install& install, const std::string& dir, const char* marker);

// How much of a demo is read to tell its game by its first bytes: enough of a Quake 1
// demo's first packets to reach the server info behind a long greeting.
constexpr std::size_t kDemoHeadBytes = 65536;

// A file's version as major.minor.build.revision ("0.0.0.0" without version resource).
std::string FileVersionText(const Install& install, const std::string& path);

// The release a demo plays on, and whether the store holds its executable.
struct DemoRelease {
  std::string version;  // "v1.31"
  bool stored = false;
};

struct Game {
  GameCode code;
  const char* journalCode;  // its code in the restore journal ("Q3A")
  const char* name;         // in messages and browse titles ("Quake 3 Arena")
  const char* statusName;   // in front of its status lines
  const char* dirSetting;   // the setting of its folder
  // Its own installer entry, read once on the very first run ("" for none).
  const char* installerKey;
  const char* installerValue;
  // The demo endings it claims, as a file-type table has them. Several games may share
  // one: then the first in the table whose rule takes the demo's first bytes plays it.
  std::vector<std::string> endings;
  // Among the games sharing an ending, whether a demo's first bytes are this game's;
  // nothing: every demo with one of its endings.
  bool (*claimsHead)(std::string_view head);
  // A game without endings of its own is asked about a demo no ending claims: the demo
  // to play when it is the game's (Quake 3, by the endings of its release store).
  std::optional<Demo> (*claimsPath)(const Install& install, const std::string& path);
  GameState (*detect)(const Install& install, const std::string& folder);
  // What a demo needs of the installation (its mod or game folder, its map), read from its
  // first message; nothing for a game whose demos say nothing of it.
  DemoNeeds (*needs)(const Install& install, const Choices& choices, const Demo& demo);
  // The run of a demo: the installation read, then planned.
  RunPlan (*plan)(const Install& install, const Choices& choices, const Demo& demo);
  const JournalRules& (*journalRules)();
  // Quake 3: how its release is switched; nothing for the others.
  const ReleaseSwitcher* switcher;
  // The string-table messages of its own (each English row; the other languages follow).
  std::vector<int> messages;
  // Quake 3: the release a demo plays on, as its run would choose it; nothing for the
  // others.
  std::optional<DemoRelease> (*release)(const Install& install, const Demo& demo,
                                        const DemoNeeds& needs) = nullptr;
  // How long a demo file runs, in milliseconds, where that is cheap to read; nothing for a
  // game whose demos do not tell it without reading them whole.
  std::optional<std::uint32_t> (*length)(Files& files, const std::string& path) = nullptr;
};

}  // namespace kalv
