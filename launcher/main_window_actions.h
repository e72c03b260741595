// What the main window does: filling the release list when it is loaded, and its buttons.
#pragma once

#include "launcher/base/program.h"

namespace kalv {

// The load event: one entry per release file of the release store. A missing release
// store shows the missing-files message and ends the program.
void LoadMainWindow(Program& program);

// Installs the button and close-box handlers of the main window.
void WireMainWindow(Program& program);

}  // namespace kalv
