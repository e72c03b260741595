// Which game recorded a demo: by its ending, and for ".dem" by the file's first bytes;
// Quake 3 endings come from the release files of the release store.
#pragma once

#include <optional>

#include <string>

#include "launcher/base/program.h"

namespace kalv {

// The header of a .dem file that is looked at.
constexpr std::size_t kDemHeaderBytes = 255;

// Plays program.demoPath with the game that recorded it and returns the run's exit code;
// nothing when no game claims the demo and the main window was opened instead. Failures
// other than inside a .dem file's branch are raised to the caller.
std::optional<int> DispatchDemo(Program& program);

// The ".dem" branch: Half-Life, Quake 1 or Unreal Tournament by the header; a header
// that cannot be read gives the general error message. Returns the exit code.
int DispatchDemFile(Program& program);

// The game a .dem header belongs to (Half-Life, Quake 1 or Unreal Tournament).
GameCode ClassifyDemHeader(const std::string& header);

}  // namespace kalv
