// Quake 1: whether an installation is present at the options window's directory, the
// list of its executables, which of them to start, and the folder dialog for it.
#pragma once

#include <string>

#include "core/program.h"
#include "ui/controls.h"

namespace kalv {

// Status labels and the executable list lstQ1.
void DetectQ1(Program& program);
// Selects the stored executable in lstQ1 (or else its first entry) and returns its name;
// "" when the list is empty.
std::string SelectQ1Executable(Program& program);
std::string BrowseQ1Folder(Program& program, ui::Window& owner, const std::string& title);

}  // namespace kalv
