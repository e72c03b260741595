// Quake 2 as a game of the table: whether a folder holds an installation, its ".dm2"
// demos, and its run (handed to the launch companion).
#pragma once

#include <string>

#include "games/game.h"

namespace kalv {

extern const Game kQuake2;

// What the folder holds, as the detection shows it.
GameState Q2State(const Install& install, const std::string& dir);

}  // namespace kalv
