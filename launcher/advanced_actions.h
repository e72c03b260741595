// What the advanced options window does: hand the association and uninstall actions to
// Assocmend.exe in the install directory, and return to the options window.
#pragma once

#include "launcher/base/program.h"

namespace kalv {

void WireAdvancedWindow(Program& program);

}  // namespace kalv
