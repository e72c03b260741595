// Quake 1 as a game of the table: whether a folder holds an installation and which
// programs it has to start, its ".dem" demos (by the map the first bytes name), and its
// run.
#pragma once

#include <string>
#include <string_view>

#include "games/game.h"

namespace kalv {

extern const Game kQuake1;

// What the folder holds, with its executables in name order when it is found.
GameState Q1State(const Install& install, const std::string& dir);

// A ".dem" demo's first bytes are Quake 1's when the first ".bs" of its header (its first
// 255 bytes, blanks after a short file) is followed by "p" or, without one, the header
// begins with "bsp", and also when they are a Quake 1 demo up to its server info (a long
// greeting can push the map's name out of the header). Half-Life's stamp is looked at
// before (the table's order).
bool IsQuake1Demo(std::string_view head);

}  // namespace kalv
