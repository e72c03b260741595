// What the user chose, as one value: the six game folders, the Quake 3 and Elite Force
// mods, the Unreal Tournament playback options, the Quake 1 executable and the language.
// A run's plan is made from it; no window is asked.
#pragma once

#include <array>
#include <string>

#include "launcher/base/games.h"

namespace kalv {

struct Program;

// A mod: the folder the stored mod label names ("Mod: osp" gives "osp"; "" for " /", an
// empty or a too short label) and whether it is loaded: unless the label names none or
// the option is off.
struct ModChoice {
  std::string dir;
  bool use = false;
};

// The Unreal Tournament playback options, each on only when stored as exactly "1".
struct UTPlayback {
  bool noFrameCap = false;
  bool timeBased = true;
  bool thirdPerson = false;
};

struct Choices {
  std::array<std::string, kGameCount> dirs;  // by GameCode
  ModChoice q3aMod;
  ModChoice stvefMod;
  UTPlayback utPlayback;
  std::string q1Executable;  // the stored name; the first executable stands in when absent
  int language = 0;          // 0 English, 1 German, 2 Afrikaans

  const std::string& dir(GameCode game) const { return dirs[static_cast<std::size_t>(game)]; }
  std::string& dir(GameCode game) { return dirs[static_cast<std::size_t>(game)]; }
};

constexpr int kLanguageCount = 3;
// 0 English, 1 German, 2 Afrikaans; any other number names no language and shows no text.
constexpr bool IsLanguage(int language) { return language >= 0 && language < kLanguageCount; }

// The mod of a stored label and option ("Mod: osp", "1").
ModChoice ModOf(const std::string& label, const std::string& option);

// The choices of this run: the game folders and the language as the program holds them,
// the rest as stored.
Choices LoadChoices(Program& program);

}  // namespace kalv
