// Quake 3 Arena's start outside a demo run, and the CD a minimum installation needs.
#pragma once

#include <optional>
#include <string>

#include "games/quake3/quake3_files.h"
#include "launcher/base/program.h"

namespace kalv {

// Asks for the Quake 3 CD until it is found (its drive letter) or the user cancels.
std::optional<std::string> FindQuake3Cd(Program& program);

// The main window's Launch button: starts Quake 3 minimized and ends the program; on a
// minimum installation the CD is asked for first, and Cancel returns to the main window.
void LaunchQuake3(Program& program);

}  // namespace kalv
