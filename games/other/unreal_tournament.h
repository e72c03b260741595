// Unreal Tournament: whether an installation is present at the options window's
// directory (which enables its three playback options), and the folder dialog for it.
#pragma once

#include <string>

#include "core/program.h"
#include "ui/controls.h"

namespace kalv {

void DetectUT(Program& program);
std::string BrowseUTFolder(Program& program, ui::Window& owner, const std::string& title);

}  // namespace kalv
