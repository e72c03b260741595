// Unreal Tournament: whether an installation is present at the options window's
// directory (which enables its three playback options), and the folder dialog for it.
#pragma once

#include <string>

#include "launcher/base/program.h"
#include "games/game_status.h"
#include "ui/controls.h"

namespace kalv {

// What the folder holds, as the detection shows it.
GameState UTState(Program& program, const std::string& dir);
// Shows the state of the options window's folder on both windows, with the playback
// options.
void DetectUT(Program& program);
std::string BrowseUTFolder(Program& program, ui::Window& owner, const std::string& title);

}  // namespace kalv
