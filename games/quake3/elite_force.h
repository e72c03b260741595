// Star Trek Voyager Elite Force: whether an installation is present at the options
// window's directory and which version it is, and the folder dialogs for it and its mod.
#pragma once

#include <string>

#include "core/program.h"
#include "ui/controls.h"

namespace kalv {

void DetectSTVEF(Program& program);
std::string BrowseSTVEFFolder(Program& program, ui::Window& owner, const std::string& title);
std::string BrowseSTVEFMod(Program& program, ui::Window& owner, const std::string& title);

}  // namespace kalv
