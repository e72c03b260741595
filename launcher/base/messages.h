// The message shapes the main program shares: the general error message, the
// access-denied message and the missing-directory message, in the current language, and
// the English messages of what the program refuses to do. Each marks the run as failed,
// so the program ends with a non-zero exit code.
#pragma once

#include <string>

#include "games/run_plan.h"
#include "launcher/base/program.h"
#include "platform/failure.h"

namespace kalv {

// The general error message for failure, naming the raw command line.
void ReportError(Program& program, const Failure& failure);
// Failure 70 while preparing a game; gameText names the game.
void ReportAccessDenied(Program& program, const std::string& gameText);
// A game whose directory is not defined; gameText names the game.
void ReportMissingDirectory(Program& program, const std::string& gameText);
// A failure the program explains in a message of its own (critical icon, the program's
// title), in the current language (nothing for an unknown language).
void ReportFailure(Program& program, int message, const std::vector<std::string>& args = {});
// The error handler of a play operation: 70 gives the access-denied message for the
// game, any other failure the general error message.
void ReportHandled(Program& program, const Failure& failure, const std::string& gameText);

// Shows a plan's or a game's message in the current language (nothing for an unknown
// language). A message that stops a run marks it as failed; one the main window shows
// after a button (failing false) does not.
void ShowNotice(Program& program, const Notice& notice, bool failing = true);
// Asks a plan's question (Yes/No, in the current language): true for Yes. Without a
// language nothing is asked, which counts as No.
bool AskNotice(Program& program, const Notice& question);

}  // namespace kalv
