// The play and restore operations of Quake 1, Quake 2, Half-Life and Unreal Tournament.
// Each prepares its game's files, starts the game and waits for it (Quake 2 hands that to
// its companion), and undoes the preparation on every path that ends the run.
#pragma once

#include "games/demo_run.h"
#include "launcher/base/program.h"

namespace kalv {

// Returns after the game has ended and RestoreQ1 has run; every other path ends the
// program, and the caller ends it after the return.
void PlayQ1Demo(Program& program);
void RestoreQ1(Program& program);

// Prepares the Quake 2 directory, starts the companion and ends the program.
[[noreturn]] void PlayQ2Demo(Program& program);

[[noreturn]] void PlayHLDemo(Program& program);
[[noreturn]] void RestoreHL(Program& program);

[[noreturn]] void PlayUTDemo(Program& program);
[[noreturn]] void RestoreUT(Program& program);

// The runs of the current demo, from the program-wide values.
DemoRun CurrentQ1Run(Program& program);
DemoRun CurrentHLRun(Program& program);
DemoRun CurrentUTRun(Program& program);

}  // namespace kalv
