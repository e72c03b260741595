// The table of games: every game's row, in the order of their codes (which is the order
// the games sharing a demo ending are asked in: Half-Life, Quake 1, then Unreal
// Tournament for ".dem").
#pragma once

#include <array>

#include "games/game.h"

namespace kalv {

using GameTable = std::array<const Game*, kGameCount>;
const GameTable& Games();
const Game& GameOf(GameCode code);

}  // namespace kalv
