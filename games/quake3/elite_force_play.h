// Elite Force demo playback: the demo's protocol checked against the installed version,
// the files prepared, the game started and waited for, everything undone afterwards.
#pragma once

#include "games/demo_run.h"
#include "launcher/base/program.h"

namespace kalv {

DemoRun CurrentSTVEFRun(Program& program);

// Plays program.demoPath; ends the program.
[[noreturn]] void PlaySTVEFDemo(Program& program);
// The prepared files undone; ends the program.
[[noreturn]] void RestoreSTVEF(Program& program);
void UndoSTVEFRun(Program& program);

}  // namespace kalv
