// Quake 3 Arena: whether an installation is present at the options window's directory,
// which stored release it runs, and the folder dialogs for its directory and mod.
#pragma once

#include <string>

#include "core/program.h"
#include "ui/controls.h"

namespace kalv {

// Status labels, the launch and convert buttons, the mod controls and the main window's
// release list (left on the last release file).
void DetectQ3A(Program& program);
std::string BrowseQ3AFolder(Program& program, ui::Window& owner, const std::string& title);
std::string BrowseQ3AMod(Program& program, ui::Window& owner, const std::string& title);

}  // namespace kalv
