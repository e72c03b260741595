// Half-Life (and the retail Counter-Strike) as a game of the table: whether a folder
// holds an installation and which version its executable carries, its ".dem" demos (by
// their "HLDEMO" stamp), and its run.
#pragma once

#include <string>
#include <string_view>

#include "games/game.h"

namespace kalv {

extern const Game kHalfLife;

// What the folder holds, as the detection shows it.
GameState HLState(const Install& install, const std::string& dir);

// A demo that begins with "HLDEMO", in any letter case.
bool IsHalfLifeDemo(std::string_view head);

}  // namespace kalv
