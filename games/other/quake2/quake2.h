// Quake 2: whether an installation is present at the options window's directory, and the
// folder dialog for it.
#pragma once

#include <string>

#include "launcher/base/program.h"
#include "games/game_status.h"
#include "ui/controls.h"

namespace kalv {

// What the folder holds, as the detection shows it.
GameState Q2State(Program& program, const std::string& dir);
// Shows the state of the options window's folder on both windows.
void DetectQ2(Program& program);
std::string BrowseQ2Folder(Program& program, ui::Window& owner, const std::string& title);

}  // namespace kalv
