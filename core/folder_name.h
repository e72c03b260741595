// The one rule for a game folder a demo names (a Half-Life mod, a Quake 2 game, a Quake 3
// mod), shared by the player, which reads it from the demo, and the Quake 2 companion,
// which is handed it on its command line.
#pragma once

#include <string>

namespace kalv {

// A name that can stand as one folder below a game's installation and travel on a game's
// command line as one argument: printable ASCII, no drive, no separator, not "." or "..",
// nothing a game's console would take as the start of another command ("+", ";"), no
// trailing dot or blank (Windows drops them). Blanks inside are allowed: such a name is
// quoted where it is passed on.
bool IsPlainFolderName(const std::string& name);

// The name as one argument of a command line: quoted when it holds a blank.
std::string AsArgument(const std::string& name);

}  // namespace kalv
