// Star Trek Voyager Elite Force as a game of the table: whether a folder holds an
// installation and which version it is, its ".efdemo" demos, and its run.
#pragma once

#include <string>

#include "games/game.h"

namespace kalv {

extern const Game kEliteForce;

// What the folder holds, as the detection shows it.
GameState STVEFState(const Install& install, const std::string& dir);

}  // namespace kalv
