// Which game recorded a demo: by its ending, and for ".dem" by the file's first bytes;
// Quake 3 endings come from the release files of the release store.
#pragma once

#include <optional>

#include <string>

#include "launcher/base/program.h"
#include "core/contracts.h"

namespace kalv {

// The header of a .dem file that the first rules look at.
constexpr std::size_t kDemHeaderBytes = contract::kDemoHeaderBytes;
// How much of a .dem file is read: the header, and enough of a Quake 1 demo's first
// packets to reach the server info behind a long greeting.
constexpr std::size_t kDemReadBytes = 65536;

// Plays program.demoPath with the game that recorded it and returns the run's exit code;
// nothing when no game claims the demo and the main window was opened instead. Failures
// other than inside a .dem file's branch are raised to the caller.
std::optional<int> DispatchDemo(Program& program);

// The ".dem" branch: Half-Life, Quake 1 or Unreal Tournament by the header; a header
// that cannot be read gives the general error message. Returns the exit code.
int DispatchDemFile(Program& program);

// The game a .dem file belongs to by its first bytes (Half-Life, Quake 1 or Unreal
// Tournament): Half-Life when they begin with "HLDEMO" in any case; Quake 1 when the
// first ".bs" of the header (its first kDemHeaderBytes) is followed by "p" or, without
// one, it begins with "bsp", and also when the bytes are a Quake 1 demo up to its server
// info (a long greeting can push the map's name out of the header); else Unreal
// Tournament.
GameCode ClassifyDemHeader(const std::string& bytes);

}  // namespace kalv
