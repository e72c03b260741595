// A folder of 1,000 demos listed as the demo library lists it: six in ten Quake 3 demos of
// mods on custom maps (none of them in the installation's ten paks, so every archive is
// looked into), two Half-Life, one Quake 2 and one Quake 1 demo in ten, each 1 to 5 MB
// long (the length written as the file's last byte; only the first message is read).
#pragma once

#include <string>

#include "launcher/base/program.h"

namespace kalv::bench {

// The figures as "name: value" lines: library-ms (the median of the timed listings, each
// with nothing read before), library-rows and library-read (how many rows, and how many
// whose first message was read); "failed: ..." when the folder cannot be laid out.
std::string TimeLibraryListing(Program& program, const std::string& work);

}  // namespace kalv::bench
