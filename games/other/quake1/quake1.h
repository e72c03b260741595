// Quake 1: whether an installation is present at the options window's directory, the
// list of its executables, which of them to start, and the folder dialog for it.
#pragma once

#include <string>

#include "launcher/base/program.h"
#include "games/game_status.h"
#include "ui/controls.h"

namespace kalv {

// What the folder holds, as the detection shows it.
GameState Q1State(Program& program, const std::string& dir);
// Shows the state of the options window's folder on both windows, and its executables
// in the list lstQ1.
void DetectQ1(Program& program);
// Selects the stored executable in lstQ1 (or else its first entry) and returns its name;
// "" when the list is empty.
std::string SelectQ1Executable(Program& program);
std::string BrowseQ1Folder(Program& program, ui::Window& owner, const std::string& title);

}  // namespace kalv
