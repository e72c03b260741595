// One demo run of a game, resolved once from the program-wide values and the settings;
// a game's prepared files and their undo are built from it.
#pragma once

#include <string>

namespace kalv {

struct DemoRun {
  std::string dir;         // the game directory
  std::string installDir;  // the player's own directory (its Versions folder)
  std::string demoExt;     // Quake 3: the matched release's demo ending
  std::string mod;         // the mod directory of the mod setting; "" for none
  bool useMod = false;     // the mod is loaded for this demo
  bool ownDemo = false;    // the demo opened is the fixed-name file itself: never deleted
};

}  // namespace kalv
