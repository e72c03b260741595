// Quake 2: whether an installation is present at the options window's directory, and the
// folder dialog for it.
#pragma once

#include <string>

#include "core/program.h"
#include "ui/controls.h"

namespace kalv {

void DetectQ2(Program& program);
std::string BrowseQ2Folder(Program& program, ui::Window& owner, const std::string& title);

}  // namespace kalv
