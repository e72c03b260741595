// Star Trek Voyager Elite Force: whether an installation is present at the options
// window's directory and which version it is, and the folder dialogs for it and its mod.
#pragma once

#include <string>

#include "launcher/base/program.h"
#include "games/game_status.h"
#include "ui/controls.h"

namespace kalv {

// What the folder holds, as the detection shows it.
GameState STVEFState(Program& program, const std::string& dir);
// Shows the state of the options window's folder on both windows, with the mod controls.
void DetectSTVEF(Program& program);
std::string BrowseSTVEFFolder(Program& program, ui::Window& owner, const std::string& title);
// The mod choice with the options window's controls for it.
ModControls STVEFModControls(Program& program);
std::string BrowseSTVEFMod(Program& program, ui::Window& owner, const std::string& title);

}  // namespace kalv
