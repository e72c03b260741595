// Quake 3 Arena as a game of the table: whether a folder holds an installation and which
// stored release it runs, which demos are its own (their endings come from the release
// store), and its run.
#pragma once

#include <string>

#include "games/game.h"

namespace kalv {

extern const Game kQuake3Arena;

// What the folder holds: found with the release its paks name, or found without one.
GameState Q3AState(const Install& install, const std::string& dir);

}  // namespace kalv
