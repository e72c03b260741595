// The one function each program provides: its whole run on the given platform. The
// Windows entry point builds the real backend and calls it; its result is the exit code.
#pragma once

#include "platform/platform.h"

namespace kalv {

int ProgramMain(Platform& platform);

}  // namespace kalv
