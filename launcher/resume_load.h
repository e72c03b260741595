// The end of a start-up that plays no demo: the welcome text, then the main window.
#pragma once

#include "launcher/base/program.h"

namespace kalv {

// Pause after the welcome text, so the splash window is seen before the main window.
constexpr unsigned kWelcomeMilliseconds = 2450;

// Looks at each game's folder and selects the stored Quake 1 executable, shows the welcome
// text on the splash window, waits, selects the newest release in the main window, shows
// the main window and hides the splash window for good.
void ResumeLoad(Program& program);

}  // namespace kalv
