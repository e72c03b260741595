// What the main window does: filling the release list when it is loaded, and its buttons.
#pragma once

#include "launcher/base/program.h"

namespace kalv {

// The load event: one entry per release file of the release store. A missing release
// store shows the missing-files message and ends the program.
void LoadMainWindow(Program& program);

// Installs the button and close-box handlers of the main window.
void WireMainWindow(Program& program);

// The Convert button: switches the Quake 3 installation to the release chosen in the list
// and says how it went.
void ConvertToSelected(Program& program);

// The Launch button: starts Quake 3 minimized and ends the program.
void LaunchQuake3(Program& program);

}  // namespace kalv
