// The Quake 3 Arena CD, for installations that keep their game data on it.
#pragma once

#include <optional>
#include <string>

#include "games/install.h"

namespace kalv {

// The first CD-ROM drive from A to V that holds \Quake3\Quake3.exe, as its letter; "V"
// when none does.
std::string CDRomCheck(const Install& install);

// The CD's drive letter when the CD is in a drive (CDRomCheck's drive holds the game).
std::optional<std::string> FindQuake3Cd(const Install& install);

}  // namespace kalv
