// The six games, by their place in the table of games (games/game_table.h): the order in
// which start-up reads their folders, the windows show them and the language switch
// detects them.
#pragma once

#include <cstddef>

namespace kalv {

enum class GameCode { Q3A, HL, STVEF, Q1, Q2, UT };
constexpr std::size_t kGameCount = 6;

constexpr std::size_t IndexOf(GameCode code) { return static_cast<std::size_t>(code); }

}  // namespace kalv
