// The table of games: every game's row, in the order of their codes (which is the order
// the games sharing a demo ending are asked in: Half-Life, Quake 1, then Unreal
// Tournament for ".dem").
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "games/game.h"

namespace kalv {

using GameTable = std::array<const Game*, kGameCount>;
const GameTable& Games();
const Game& GameOf(GameCode code);

// The games that claim an ending of the path (lower case), in the order of the table.
std::vector<const Game*> ClaimingByEnding(const GameTable& table, const std::string& path);
// Whether any of the games tells its demos by their first bytes.
bool NeedsHead(const std::vector<const Game*>& games);
// The first of the games whose rule takes the head (a game without a rule takes any).
const Game* ClaimingByHead(const std::vector<const Game*>& games, std::string_view head);

}  // namespace kalv
