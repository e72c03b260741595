// The games on the windows: each game's state painted on its status lines and its page
// of the options window, the detection of the folder a page shows, and the folder dialogs
// for a game and a mod. One painter and one browse handler serve every game of the table.
#pragma once

#include <string>

#include "games/game.h"
#include "launcher/base/program.h"
#include "ui/controls.h"

namespace kalv {

// Writes a state to both windows: the main window's line becomes " " + the game's status
// name + status + version and the options window's the same without the blank, in the
// current language (for another language neither changes); the controls that follow the
// installation (the release switch and launch, mod, Quake 1 program and Unreal
// Tournament options) are enabled or disabled in every language.
void ShowGameState(Program& program, GameCode code, const GameState& state);

// Looks at the folder the options window shows for the game and paints what it holds; a
// folder that holds the game becomes the chosen one.
void DetectGame(Program& program, GameCode code);
// Every game, in the order of the table.
void DetectGames(Program& program);

// The folder a page shows: set without the change that runs the detection.
void ShowFolder(Program& program, GameCode code, const std::string& folder);

// The folder dialog for a game: the chosen path goes into its page (whose detection runs)
// and is returned; "" and no change on cancel.
std::string BrowseGameFolder(Program& program, GameCode code);

// The folder dialog for a mod below the game's folder (Quake 3 Arena and Elite Force): a
// folder with a description becomes the chosen mod, any other clears the choice. Returns
// the chosen path, "" on cancel.
std::string BrowseGameMod(Program& program, GameCode code);

// The prompt of a folder dialog: "Select the " + game + " folder" (or mod) in the current
// language; the game name alone in an unknown one.
std::string BrowsePrompt(Program& program, const std::string& game, bool forMod);

// The stored Quake 3 mod on the options window: its label, description and check box,
// or none chosen when its folder has no description.
void ShowQ3AMod(Program& program);
// The stored Elite Force mod's label and check box.
void ShowSTVEFMod(Program& program);

// Selects the stored Quake 1 program in the options window's list (or else its first
// entry) and returns its name; "" when the list is empty.
std::string SelectQ1Executable(Program& program);

}  // namespace kalv
