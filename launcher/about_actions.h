// What the About window does: open the maker's links and return to the main window.
#pragma once

#include "launcher/base/program.h"

namespace kalv {

void WireAboutWindow(Program& program);

}  // namespace kalv
