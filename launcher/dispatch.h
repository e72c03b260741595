// Which game recorded a demo: the table's rows are asked, as a file-type table is: by
// the demo's ending, and where several games share it by the file's first bytes; a demo
// no ending claims goes to the game without endings of its own (Quake 3, whose endings
// come from the release files of its store).
#pragma once

#include <optional>
#include <string>

#include "core/contracts.h"
#include "games/game_code.h"
#include "games/game_table.h"
#include "launcher/base/program.h"

namespace kalv {

// The header of a .dem file that the first rules look at.
constexpr std::size_t kDemHeaderBytes = contract::kDemoHeaderBytes;

// Plays program.demoPath with the game that recorded it and returns the run's exit code;
// nothing when no game claims the demo and the main window was opened instead. A demo's
// first bytes that cannot be read, and a failure raised while a game claiming the demo by
// its ending plays it, give the general error message; other failures are raised to the
// caller.
std::optional<int> DispatchDemo(Program& program, const GameTable& games = Games());

// The game among those sharing ".dem" whose rule takes these first bytes (Half-Life for
// "HLDEMO" in any case, Quake 1 for its map, else Unreal Tournament).
GameCode ClassifyDemHeader(const std::string& bytes);

}  // namespace kalv
