// Half-Life (and the retail Counter-Strike): whether an installation is present at the
// options window's directory and which version its executable carries, and the folder
// dialog for it.
#pragma once

#include <string>

#include "launcher/base/program.h"
#include "games/game_status.h"
#include "ui/controls.h"

namespace kalv {

// What the folder holds, as the detection shows it.
GameState HLState(Program& program, const std::string& dir);
// Shows the state of the options window's folder on both windows.
void DetectHL(Program& program);
std::string BrowseHLFolder(Program& program, ui::Window& owner, const std::string& title);

}  // namespace kalv
