// A folder of 1,000 demos listed as the demo library lists it: six in ten Quake 3 demos of
// mods on custom maps (none of them in the installation's ten paks, so every archive is
// looked into), two Half-Life, one Quake 2 and one Quake 1 demo in ten, each 1 to 5 MB
// long: its first bytes, and what a demo of its game ends with at its end (Quake 3's last
// snapshots, Half-Life's directory), the rest a hole that is never read.
#pragma once

#include <string>

#include "launcher/base/program.h"

namespace kalv::bench {

// The figures as "name: value" lines: library-ms (the median of the timed listings, each
// with nothing read before), library-rows, library-read and library-lengths (how many
// rows, how many whose first message was read and how many with a length); "failed: ..."
// when the folder cannot be laid out. The demos stay in work\library-demos, for the
// library window to be opened on.
std::string TimeLibraryListing(Program& program, const std::string& work);

}  // namespace kalv::bench
