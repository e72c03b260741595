// The check of what a Quake 3 demo needs, timed on an installation of ten paks (one as
// large as the game's first, with some 3,500 files) and a mod: the demo's map is in none
// of them, so every archive's directory is read.
#pragma once

#include <string>
#include <vector>

#include "launcher/base/program.h"

namespace kalv::bench {

// Writes bytes at path, over what was there.
Status Lay(Files& files, const std::string& path, const std::string& bytes);
// A Quake 3 demo (protocol 68) of a server running mod on map.
std::string EngineDemo(const std::string& map, const std::string& mod);
// The installation in dir (its folders made as needed): the files laid, in the order laid.
Result<std::vector<std::string>> LayInstallation(Files& files, const std::string& dir);

// The figures as "name: value" lines (needs-ms, the median of the timed checks; needs-found,
// what the check made of the map, which must be "missing"); "failed: ..." when the
// installation cannot be laid out.
std::string TimeNeedsCheck(Program& program, const std::string& work);

}  // namespace kalv::bench
