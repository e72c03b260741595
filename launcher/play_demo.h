// The one driver of a demo run: any game's plan is played the same way, and every path
// that ends a run, a failure included, goes through the one undo the start-up's replay
// also runs. Nothing here ends the program: the exit code is returned.
#pragma once

#include "games/game.h"
#include "games/run_plan.h"
#include "launcher/base/program.h"

namespace kalv {

// Checks → refuses when the game's last run is not yet put back (its game still runs, or
// a file of it could not be restored) → writes the restore journal's entry and flushes it
// → switches the Quake 3 release → prepares → copies the demo → starts the game (or hands
// the run to the Quake 2 companion) → waits on the handle it started → undoes. Returns
// the exit code: non-zero once a failure was reported.
int PlayDemo(Program& program, const RunPlan& plan);

// Plays a demo of a game: its run planned from the installation and the stored choices,
// the store offer asked first (Yes stores the copy and plans the run again), then played.
int PlayGame(Program& program, const Game& game, const Demo& demo);

}  // namespace kalv
