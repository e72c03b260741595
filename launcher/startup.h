// The start of Kalvenmarque: one instance only, the language, the splash window, the
// settings into the options window, the first-run discovery, the command line and the
// hand-over to the dispatcher or the main window.
#pragma once

#include <optional>

#include "games/game_table.h"
#include "launcher/base/program.h"
#include "platform/platform.h"
#include "core/restore_journal.h"
#include "launcher/pending_runs.h"

namespace kalv {

// Sets the splash window's captions for language (0-2) and empties the user name;
// another language leaves every caption as it is.
void SetSplashCaptions(Program& program, int language);

// Creates the splash window if needed, captions it for the current language and shows it;
// its close box ends the program.
void ShowSplash(Program& program);

// The demo path of a command line: lower-cased, unquoted when it is one quoted path, its
// directory normalised by the splash window's file list; "" for no demo (an empty command
// line, or the open-program marker in it). A directory that cannot be found is raised.
std::string DemoPathOf(Program& program, const std::string& rawCommandLine);

// Creates every window of the program, hidden, and installs their handlers.
void CreateWindows(Program& program);

// The start-up sequence up to the dispatch of the demo or the main window; first undoes
// runs that were cut off. Returns the exit code when the run is over (a demo played,
// another instance running, a failure reported); nothing while the main window is open.
std::optional<int> LoadKalvenmarque(Program& program, const GameTable& games = Games());

// The whole run: ends at once when another instance is running, otherwise starts up and
// handles messages while the main window is open. Returns the exit code. With the
// command line kRestoreSwitch it only puts back the runs that were cut off and returns 0
// when none is left pending (the uninstaller asks so before it removes anything).
int RunKalvenmarque(Platform& platform);

}  // namespace kalv
