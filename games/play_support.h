// What the games' play operations share: the mod choice read from the settings, the test
// whether the demo opened is the fixed-name copy itself, and the pause before a start.
#pragma once

#include <string>

#include "launcher/base/program.h"

namespace kalv {

// The mod of a demo run: the directory the stored mod label names ("Mod: osp" gives
// "osp"; "" for " /", an empty or a too short label) and whether it is loaded. It is
// loaded unless the label names none or the option setting is "0" (its default).
struct ModChoice {
  std::string dir;
  bool use = false;
};
ModChoice ReadModChoice(Program& program, const char* modSetting, const char* optionSetting);

// True when the demo being played is the file target names (the user opened the copy a
// run left in a game folder): it is neither copied onto itself nor deleted afterwards.
bool IsOwnDemo(Program& program, const std::string& target);

// A demo that cannot be read is reported (the general error message) before anything in
// a game folder is touched, and the program ends.
void EndUnlessDemoExists(Program& program);

// The fixed pause before every game start.
void PauseBeforeGame(Program& program);

}  // namespace kalv
