// The three message shapes the main program shares: the general error message, the
// access-denied message and the missing-directory message, in the current language.
#pragma once

#include <string>

#include "launcher/program.h"
#include "platform/failure.h"

namespace kalv {

// The general error message for failure, naming the raw command line.
void ReportError(Program& program, const Failure& failure);
// Failure 70 while preparing a game; gameText names the game.
void ReportAccessDenied(Program& program, const std::string& gameText);
// A game whose directory is not defined; gameText names the game.
void ReportMissingDirectory(Program& program, const std::string& gameText);

}  // namespace kalv
