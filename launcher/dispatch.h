// Which game recorded a demo: by its ending, and for ".dem" by the file's first bytes;
// Quake 3 endings come from the release files of the release store.
#pragma once

#include <string>

#include "launcher/base/program.h"

namespace kalv {

// The header of a .dem file that is looked at.
constexpr std::size_t kDemHeaderBytes = 255;

// Hands program.demoPath to the game that recorded it. Returns when that game's play
// operation returns, or after the main window was opened because no game claims the
// demo. Failures other than inside a .dem file's branch are raised to the caller.
void DispatchDemo(Program& program);

// The ".dem" branch: Half-Life, Quake 1 or Unreal Tournament by the header; ends the
// program after the play operation returns, and on any failure after the error message.
void DispatchDemFile(Program& program);

// The game a .dem header belongs to (Half-Life, Quake 1 or Unreal Tournament).
GameCode ClassifyDemHeader(const std::string& header);

}  // namespace kalv
