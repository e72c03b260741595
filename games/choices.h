// What the user chose, as one value: the six game folders, the Quake 3 and Elite Force
// mods, the Unreal Tournament playback options, the Quake 1 executable and the language.
// A run's plan is made from it; no window is asked.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "games/game_code.h"

namespace kalv {

// A mod label: "Mod: " and the mod directory, or " /" while no mod is chosen.
namespace mod {
constexpr const char* kPrefix = "Mod: ";
constexpr std::size_t kPrefixLength = 5;
constexpr const char* kNone = " /";
}  // namespace mod

// A mod as the options window stores it: its label ("Mod: osp", or " /" while none is
// chosen) and its load option ("1" or "0"; absent until the window first stores it).
struct ModChoice {
  std::string label = mod::kNone;
  std::optional<std::string> option;

  // The mod's folder: the label without "Mod: "; "" for " /", an empty or a too short label.
  std::string dir() const;
  // Loaded unless no folder is named or the option is "0" (an absent option reads "0").
  bool use() const;
};

// The Unreal Tournament playback options as stored; each is on only when exactly "1".
struct UTPlayback {
  std::string noFrameCap = "0";
  std::string timeBased = "1";
  std::string thirdPerson = "0";
};
constexpr bool On(const std::string_view stored) { return stored == "1"; }

constexpr int kLanguageCount = 3;
// 0 English, 1 German, 2 Afrikaans; any other number names no language and shows no text.
constexpr bool IsLanguage(int language) { return language >= 0 && language < kLanguageCount; }

struct Choices {
  std::array<std::string, kGameCount> dirs;  // by GameCode
  ModChoice q3aMod;
  ModChoice stvefMod;
  UTPlayback utPlayback;
  std::string q1Executable;  // the stored name; the first executable stands in when absent
  int language = 0;          // 0 English, 1 German, 2 Afrikaans

  const std::string& dir(GameCode game) const { return dirs[IndexOf(game)]; }
  std::string& dir(GameCode game) { return dirs[IndexOf(game)]; }
};

}  // namespace kalv
