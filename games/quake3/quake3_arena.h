// Quake 3 Arena: whether an installation is present at the options window's directory,
// which stored release it runs, and the folder dialogs for its directory and mod.
#pragma once

#include <string>

#include "launcher/base/program.h"
#include "games/game_status.h"
#include "ui/controls.h"

namespace kalv {

// What the folder holds, as the detection shows it: the release its paks name.
GameState Q3AState(Program& program, const std::string& dir);
// Shows the state of the options window's folder on both windows, with the launch and
// convert buttons and the mod controls.
void DetectQ3A(Program& program);
std::string BrowseQ3AFolder(Program& program, ui::Window& owner, const std::string& title);
// The mod choice with the options window's controls for it.
ModControls Q3AModControls(Program& program);
std::string BrowseQ3AMod(Program& program, ui::Window& owner, const std::string& title);

}  // namespace kalv
