// The search for the Quake 3 Arena CD, for installations that keep their game data on it.
#pragma once

#include <string>

#include "launcher/base/program.h"

namespace kalv {

// The first CD-ROM drive from A to V that holds \Quake3\Quake3.exe, as its letter; "V"
// when none does. Also left in program.cdDrive.
std::string CDRomCheck(Program& program);

}  // namespace kalv
