// Unreal Tournament as a game of the table: whether a folder holds an installation, the
// ".dem" demos no other game claims, and its run.
#pragma once

#include <string>

#include "games/game.h"

namespace kalv {

extern const Game kUnrealTournament;

// What the folder holds, as the detection shows it.
GameState UTState(const Install& install, const std::string& dir);

}  // namespace kalv
